#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace ledfont {

// The numbers a failure carries: the classic run-time error numbers of the
// platform the design comes from. Message boxes and the companion show the
// description, which ends with the number's title; the number lets callers
// and tests tell failures apart.
enum class ErrorNumber : int {
    InvalidProcedureCall = 5,
    Overflow = 6,
    SubscriptOutOfRange = 9,
    TypeMismatch = 13,
    BadFileName = 52,
    FileNotFound = 53,
    BadFileMode = 54,
    DiskFull = 61,
    InputPastEndOfFile = 62,
    PermissionDenied = 70,
    PathFileAccess = 75,
    PathNotFound = 76,
    InvalidPropertyValue = 380,
};

// The title that goes with each number, and nowhere else.
constexpr std::string_view ErrorTitle(ErrorNumber number) {
    switch (number) {
        case ErrorNumber::InvalidProcedureCall:
            return "Invalid procedure call or argument";
        case ErrorNumber::Overflow:
            return "Overflow";
        case ErrorNumber::SubscriptOutOfRange:
            return "Subscript out of range";
        case ErrorNumber::TypeMismatch:
            return "Type mismatch";
        case ErrorNumber::BadFileName:
            return "Bad file name or number";
        case ErrorNumber::FileNotFound:
            return "File not found";
        case ErrorNumber::BadFileMode:
            return "Bad file mode";
        case ErrorNumber::DiskFull:
            return "Disk full";
        case ErrorNumber::InputPastEndOfFile:
            return "Input past end of file";
        case ErrorNumber::PermissionDenied:
            return "Permission denied";
        case ErrorNumber::PathFileAccess:
            return "Path/File access error";
        case ErrorNumber::PathNotFound:
            return "Path not found";
        case ErrorNumber::InvalidPropertyValue:
            return "Invalid property value";
    }
    return "Error";
}

// Base of every failure of the program: a number and the description that a
// message box shows. Caught only by the commands that report it.
class Error : public std::runtime_error {
public:
    Error(ErrorNumber number, const std::string& description)
        : std::runtime_error(description), number_(number) {}

    ErrorNumber Number() const noexcept { return number_; }
    std::string Description() const { return what(); }

    // Throws the same failure, of its own type, told with description instead
    // (a caller that adds where it happened keeps what a handler catches).
    [[noreturn]] virtual void Retell(const std::string& description) const {
        throw Error(number_, description);
    }

private:
    ErrorNumber number_;
};

// One type per number, so a caller or a test can catch exactly one kind.
template <ErrorNumber N>
class ErrorOf : public Error {
public:
    static constexpr std::string_view kTitle = ErrorTitle(N);

    // The description exactly as given; MakeError words one as every message reads.
    explicit ErrorOf(const std::string& description) : Error(N, description) {}

    [[noreturn]] void Retell(const std::string& description) const override { throw ErrorOf(description); }
};

// A failure described the way every message reads: what happened first, in
// plain words, naming the file, line or value it concerns and, after a colon,
// what to do when there is one thing to do; then the title of the number in
// square brackets:
//   line 12 of "hindi.txt" holds "abc", not a number from 0 to 255 [Type mismatch]
template <class E>
E MakeError(std::string_view what) {
    std::string description(what);
    description.append(" [").append(E::kTitle).append("]");
    return E(description);
}

using InvalidCallError = ErrorOf<ErrorNumber::InvalidProcedureCall>;
using OverflowError = ErrorOf<ErrorNumber::Overflow>;
using SubscriptError = ErrorOf<ErrorNumber::SubscriptOutOfRange>;
using TypeMismatchError = ErrorOf<ErrorNumber::TypeMismatch>;
using BadFileNameError = ErrorOf<ErrorNumber::BadFileName>;
using FileNotFoundError = ErrorOf<ErrorNumber::FileNotFound>;
using BadFileModeError = ErrorOf<ErrorNumber::BadFileMode>;
using DiskFullError = ErrorOf<ErrorNumber::DiskFull>;
using InputPastEndError = ErrorOf<ErrorNumber::InputPastEndOfFile>;
using PermissionDeniedError = ErrorOf<ErrorNumber::PermissionDenied>;
using PathFileAccessError = ErrorOf<ErrorNumber::PathFileAccess>;
using PathNotFoundError = ErrorOf<ErrorNumber::PathNotFound>;
using InvalidPropertyError = ErrorOf<ErrorNumber::InvalidPropertyValue>;

// A command line of the companion that its command cannot run with: an
// invalid call, told apart so that the companion shows the usage with it.
class UsageError : public InvalidCallError {
public:
    using InvalidCallError::InvalidCallError;

    [[noreturn]] void Retell(const std::string& description) const override { throw UsageError(description); }
};

}  // namespace ledfont
