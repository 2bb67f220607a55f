#include "FileKind.h"

#include "Error.h"

namespace ledfont {

std::string FileKindText(mode_t mode) {
    if (S_ISREG(mode)) return "a regular file";
    if (S_ISDIR(mode)) return "a folder";
    if (S_ISFIFO(mode)) return "a named pipe (FIFO)";
    if (S_ISSOCK(mode)) return "a socket";
    if (S_ISCHR(mode)) return "a character device";
    if (S_ISBLK(mode)) return "a block device";
    if (S_ISLNK(mode)) return "a symbolic link";
    return "not a regular file";
}

void RefuseUnlessRegular(const std::string& path, const struct stat& st, const std::string& action) {
    if (S_ISREG(st.st_mode)) return;
    throw MakeError<PathFileAccessError>("cannot " + action + " \"" + path + "\": it is " +
                                         FileKindText(st.st_mode) + ", not a regular file");
}

}  // namespace ledfont
