#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ledfont {

// The read and write loops of the program's files: both try again when a
// signal interrupts them, and throw the typed file errors naming path.

// Reads up to size bytes into buffer; returns 0 at the end of the file.
std::size_t ReadSome(int fd, char* buffer, std::size_t size, const std::string& path);

// Writes all of content (a write that makes no progress is a full disk).
void WriteAll(int fd, std::string_view content, const std::string& path);

}  // namespace ledfont
