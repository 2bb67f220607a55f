#include "SystemError.h"

#include <cerrno>
#include <cstring>

namespace ledfont {

void ThrowFileError(int errnoValue, const std::string& action, const std::string& path) {
    const std::string detail = " (" + action + " \"" + path + "\": " + std::strerror(errnoValue) + ")";
    switch (errnoValue) {
        case ENOENT: throw FileNotFoundError("File not found" + detail);
        case ENOTDIR: throw PathNotFoundError("Path not found" + detail);
        case EACCES:
        case EPERM:
        case EROFS: throw PermissionDeniedError("Permission denied" + detail);
        case ENOSPC:
        case EDQUOT: throw DiskFullError("Disk full" + detail);
        case ELOOP:
            throw PathFileAccessError("Path/File access error (" + action + " \"" + path +
                                      "\": the symbolic links go round in a loop)");
        case ENAMETOOLONG: throw BadFileNameError("Bad file name or number" + detail);
        default: throw PathFileAccessError("Path/File access error" + detail);
    }
}

void RefuseEmptyFileName(const std::string& path) {
    if (path.empty()) throw BadFileNameError("Bad file name or number (the file name is empty)");
}

}  // namespace ledfont
