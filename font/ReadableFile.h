#pragma once

#include <string>

namespace ledfont {

// Opens the file at path for reading and returns its descriptor, which the
// caller closes. Throws BadFileNameError for an empty path, and the typed file
// errors of ThrowFileError (a folder is a PathFileAccessError); nothing is
// left open after a throw.
int OpenForReading(const std::string& path);

}  // namespace ledfont
