#include "SystemError.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

namespace ledfont {
namespace {

struct ErrnoCase {
    int errnoValue;
    ErrorNumber number;
    std::string description;
};

class FileErrorOf : public ::testing::TestWithParam<ErrnoCase> {};

// What a failed file operation tells the user: a read-only disk (a locked USB
// stick, a read-only mount) must not read as a matter of permissions.
TEST_P(FileErrorOf, NamesThePathAndSaysWhatHappened) {
    try {
        ThrowFileError(GetParam().errnoValue, "write", "/media/usb/hindi.txt");
    } catch (const Error& e) {
        EXPECT_EQ(e.Number(), GetParam().number) << e.Description();
        EXPECT_EQ(e.Description(), GetParam().description);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Errnos, FileErrorOf,
    ::testing::Values(
        ErrnoCase{EROFS, ErrorNumber::PermissionDenied,
                  "cannot write \"/media/usb/hindi.txt\": its file system is read-only [Permission denied]"},
        ErrnoCase{
            EACCES, ErrorNumber::PermissionDenied,
            "cannot write \"/media/usb/hindi.txt\": the permissions do not allow it [Permission denied]"},
        ErrnoCase{ENOSPC, ErrorNumber::DiskFull,
                  "cannot write \"/media/usb/hindi.txt\": there is no space left on its disk [Disk full]"},
        ErrnoCase{EIO, ErrorNumber::PathFileAccess,
                  "cannot write \"/media/usb/hindi.txt\": Input/output error [Path/File access error]"}));

}  // namespace
}  // namespace ledfont
