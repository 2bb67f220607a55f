#pragma once

#include <sys/stat.h>

#include <string>

namespace ledfont {

// What a file is, as a message names it: "a folder", "a named pipe (FIFO)",
// "a socket", "a character device", "a block device", "a regular file".
std::string FileKindText(mode_t mode);

// Throws PathFileAccessError naming path and what it is, unless st is of a
// regular file. Reading or replacing anything else could block (a FIFO),
// never end (a device) or destroy it.
void RefuseUnlessRegular(const std::string& path, const struct stat& st, const std::string& action);

}  // namespace ledfont
