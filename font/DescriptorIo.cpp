#include "DescriptorIo.h"

#include <unistd.h>

#include <cerrno>

#include "SystemError.h"

namespace ledfont {

std::size_t ReadSome(int fd, char* buffer, std::size_t size, const std::string& path) {
    for (;;) {
        const ssize_t n = ::read(fd, buffer, size);
        if (n >= 0) return static_cast<std::size_t>(n);
        if (errno != EINTR) ThrowFileError(errno, "read", path);
    }
}

void WriteAll(int fd, std::string_view content, const std::string& path) {
    while (!content.empty()) {
        const ssize_t n = ::write(fd, content.data(), content.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) ThrowFileError(n < 0 ? errno : ENOSPC, "write", path);
        content.remove_prefix(static_cast<std::size_t>(n));
    }
}

}  // namespace ledfont
