#include "ReadableFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "Error.h"
#include "SystemError.h"

namespace ledfont {

int OpenForReading(const std::string& path) {
    if (path.empty()) throw BadFileNameError("Bad file name or number (the file name is empty)");
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) ThrowFileError(errno, "open", path);
    struct stat st {};
    const int failure = ::fstat(fd, &st) != 0 ? errno : S_ISDIR(st.st_mode) ? EISDIR : 0;
    if (failure != 0) {
        ::close(fd);
        ThrowFileError(failure, "open", path);
    }
    return fd;
}

}  // namespace ledfont
