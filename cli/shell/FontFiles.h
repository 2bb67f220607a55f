#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "Error.h"
#include "FontFile.h"
#include "FontState.h"

namespace ledfont::cli {

// Runs step; a failure is retold with the file it concerns in front, since a
// command line may name several files.
template <class Step>
auto OnFile(const std::string& path, Step step) -> decltype(step()) {
    try {
        return step();
    } catch (const Error& e) {
        throw Error(e.Number(), path + ": " + e.Description());
    }
}

// Loads the font file at path with the editor's loader, as its Load command
// does; FontFile and IsJukta are set as the window sets them. When report is
// given, the whole file is read and it receives what the load saw.
FontState LoadFontFile(const std::string& path, FontMode mode, LoadReport* report = nullptr);

// Writes content to output as a shell user expects of "-o": "-" is standard
// output; a named pipe, a character device (/dev/null, a terminal) or an open
// descriptor (/dev/stdout) is written into as it is; a regular file is
// replaced all or nothing (WriteFileAtomically), unless it is the font file
// it was made from (refused, as is anything else: a folder, a socket).
// Returns true when a file was written under that name, false for a stream.
bool WriteOutput(const std::string& output, const std::string& fontFile, std::string_view content,
                 std::ostream& out);

}  // namespace ledfont::cli
