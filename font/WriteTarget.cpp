#include "WriteTarget.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <string_view>
#include <vector>

#include "Error.h"
#include "SystemError.h"

namespace ledfont {
namespace {

constexpr int kMostLinks = 40;  // the kernel's own limit

// The descriptor number a path names through /proc or /dev/fd, or -1. Such a
// link's text ("pipe:[123]", "/tmp/x (deleted)") is no path to follow.
int DescriptorNamed(std::string_view path) {
    const std::string self = "/proc/" + std::to_string(::getpid()) + "/fd/";
    for (const std::string_view prefix : {std::string_view("/proc/self/fd/"), std::string_view("/proc/thread-self/fd/"),
                                          std::string_view("/dev/fd/"), std::string_view(self)}) {
        if (!path.starts_with(prefix)) continue;
        const std::string_view digits = path.substr(prefix.size());
        int fd = -1;
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), fd);
        if (ec == std::errc() && end == digits.data() + digits.size() && !digits.empty()) return fd;
    }
    return -1;
}

std::string ReadLink(const std::string& path) {
    std::vector<char> buf(256);
    for (;;) {
        const ssize_t n = ::readlink(path.c_str(), buf.data(), buf.size());
        if (n < 0) ThrowFileError(errno, "follow the link", path);
        if (static_cast<std::size_t>(n) < buf.size()) return std::string(buf.data(), static_cast<std::size_t>(n));
        buf.resize(buf.size() * 2);
    }
}

// A link's text as a path: a relative one counts from the link's folder.
std::string LinkTarget(const std::string& link) {
    const std::string text = ReadLink(link);
    if (text.starts_with('/')) return text;
    const auto slash = link.find_last_of('/');
    return slash == std::string::npos ? text : link.substr(0, slash + 1) + text;
}

WriteTarget::Kind KindOf(mode_t mode) {
    if (S_ISREG(mode)) return WriteTarget::Kind::RegularFile;
    if (S_ISFIFO(mode)) return WriteTarget::Kind::Fifo;
    if (S_ISCHR(mode)) return WriteTarget::Kind::CharacterDevice;
    return WriteTarget::Kind::Other;
}

}  // namespace

WriteTarget ResolveWriteTarget(const std::string& path) {
    RefuseEmptyFileName(path);
    std::string at = path;
    for (int links = 0; links <= kMostLinks; ++links) {
        if (const int fd = DescriptorNamed(at); fd >= 0) return {path, WriteTarget::Kind::Descriptor, 0, fd};
        struct stat st {};
        if (::lstat(at.c_str(), &st) != 0) {
            if (errno == ENOENT) return {at, WriteTarget::Kind::NewFile, 0, -1};
            ThrowFileError(errno, "write", at);
        }
        if (!S_ISLNK(st.st_mode)) return {at, KindOf(st.st_mode), st.st_mode, -1};
        at = LinkTarget(at);
    }
    ThrowFileError(ELOOP, "write", path);
}

}  // namespace ledfont
