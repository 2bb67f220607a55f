#include "ReadableFile.h"

#include <fcntl.h>
#include <sys/stat.h>

#include "DescriptorIo.h"
#include "Error.h"
#include "FileKind.h"
#include "SystemError.h"

namespace ledfont {
namespace {

[[noreturn]] void ThrowTooLarge(const std::string& path, std::size_t limit) {
    throw MakeError<PathFileAccessError>("\"" + path + "\" is larger than " + std::to_string(limit) +
                                         " bytes");
}

}  // namespace

FileDescriptor OpenForReading(const std::string& path) {
    RefuseEmptyFileName(path);
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) ThrowFileError(errno, "open", path);
    RefuseUnlessRegular(path, st, "read");
    // Should the path become a FIFO between the look and the open, O_NONBLOCK
    // still lets the open return at once; a regular file ignores it.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!fd.IsOpen()) ThrowFileError(errno, "open", path);
    if (::fstat(fd.Get(), &st) != 0) ThrowFileError(errno, "open", path);
    RefuseUnlessRegular(path, st, "read");
    return fd;
}

std::string ReadWholeFile(const std::string& path, std::size_t limit) {
    const FileDescriptor fd = OpenForReading(path);
    struct stat st {};
    if (::fstat(fd.Get(), &st) != 0) ThrowFileError(errno, "read", path);
    if (static_cast<unsigned long long>(st.st_size) > limit) ThrowTooLarge(path, limit);
    std::string content;
    content.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[64 * 1024];
    while (const std::size_t n = ReadSome(fd.Get(), buffer, sizeof buffer, path)) {
        if (content.size() + n > limit) ThrowTooLarge(path, limit);
        content.append(buffer, n);
    }
    return content;
}

}  // namespace ledfont
