#pragma once

#include <stdexcept>
#include <string>

namespace ledfont {

// The numbers a failure carries: the classic run-time error numbers of the
// platform the design comes from. Message boxes and the companion show only
// the description; the number lets callers and tests tell failures apart.
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

// Base of every failure of the program: a number and the description that a
// message box shows. Caught only by the commands that report it.
class Error : public std::runtime_error {
public:
    Error(ErrorNumber number, const std::string& description)
        : std::runtime_error(description), number_(number) {}

    ErrorNumber Number() const noexcept { return number_; }
    std::string Description() const { return what(); }

private:
    ErrorNumber number_;
};

// One type per number, so a caller or a test can catch exactly one kind.
template <ErrorNumber N>
class ErrorOf : public Error {
public:
    explicit ErrorOf(const std::string& description) : Error(N, description) {}
};

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
};

}  // namespace ledfont
