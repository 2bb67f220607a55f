#include "SystemError.h"

#include <cerrno>
#include <cstring>

namespace ledfont {

void ThrowFileError(int errnoValue, const std::string& action, const std::string& path) {
    const std::string failed = "cannot " + action + " \"" + path + "\": ";
    switch (errnoValue) {
        case ENOENT:
            throw MakeError<FileNotFoundError>(failed + "there is no such file");
        case ENOTDIR:
            throw MakeError<PathNotFoundError>(failed + "a part of the path is not a folder");
        case EACCES:
        case EPERM:
            throw MakeError<PermissionDeniedError>(failed + "the permissions do not allow it");
        // The number of a write-protected disk; the words tell it from a matter of
        // permissions, which no chmod could help here.
        case EROFS:
            throw MakeError<PermissionDeniedError>(failed + "its file system is read-only");
        case ENOSPC:
            throw MakeError<DiskFullError>(failed + "there is no space left on its disk");
        case EDQUOT:
            throw MakeError<DiskFullError>(failed + "the disk quota of this user is used up");
        case ELOOP:
            throw MakeError<PathFileAccessError>(failed + "its symbolic links go round in a loop");
        case ENAMETOOLONG:
            throw MakeError<BadFileNameError>(failed + "the name is too long");
        default:
            throw MakeError<PathFileAccessError>(failed + std::strerror(errnoValue));
    }
}

void RefuseEmptyFileName(const std::string& path) {
    if (path.empty()) throw MakeError<BadFileNameError>("the file name is empty");
}

}  // namespace ledfont
