#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace ledfont::cli {

// Writes content to output as a shell user expects of "-o": "-" is standard
// output; a named pipe, a character device (/dev/null, a terminal) or an open
// descriptor (/dev/stdout, /dev/fd/63 of a process substitution) is written
// into as it is; a regular file is replaced all or nothing
// (WriteFileAtomically), unless it is the font file it was made from
// (refused, as is anything else: a folder, a socket). The links of output are
// followed once, and the write goes where they lead.
// Returns true when a file was written under that name, false for a stream.
bool WriteOutput(const std::string& output, const std::string& fontFile, std::string_view content,
                 std::ostream& out);

}  // namespace ledfont::cli
