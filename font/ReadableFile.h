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

// Reads up to size bytes into buffer, trying again when a signal interrupts
// the read; returns 0 at the end of the file. Throws the typed file errors,
// naming path.
std::size_t ReadSome(int fd, char* buffer, std::size_t size, const std::string& path);

// The whole content of the regular file at path. A file larger than limit
// bytes is refused with PathFileAccessError before any of it is read (and
// should it grow while it is read, as soon as it passes the limit).
std::string ReadWholeFile(const std::string& path, std::size_t limit);

}  // namespace ledfont
