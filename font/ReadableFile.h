#pragma once

#include <cstddef>
#include <string>

#include "FileDescriptor.h"

namespace ledfont {

// Opens the regular file at path for reading. Never blocks: anything else (a
// folder, a FIFO, a socket, a device, or a link to one) is refused at once
// with PathFileAccessError naming it. Throws BadFileNameError for an empty
// path and the typed file errors of ThrowFileError.
FileDescriptor OpenForReading(const std::string& path);

// The whole content of the regular file at path. A file larger than limit
// bytes is refused with PathFileAccessError before any of it is read (and
// should it grow while it is read, as soon as it passes the limit).
std::string ReadWholeFile(const std::string& path, std::size_t limit);

}  // namespace ledfont
