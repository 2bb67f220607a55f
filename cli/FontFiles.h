#pragma once

#include <cstddef>
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
// does; FontFile and IsJukta are set as the window sets them. When lines is
// given it receives the line of every item.
FontState LoadFontFile(const std::string& path, FontMode mode, ItemLines* lines = nullptr);

// The whole content of a file of at most limit bytes; larger files are
// refused with PathFileAccessError before they are read.
std::string ReadSmallFile(const std::string& path, std::size_t limit);

// Writes content to output ("-" for standard output), replacing a file all or
// nothing. A file is refused when it is the font file it was made from.
void WriteOutput(const std::string& output, const std::string& fontFile, std::string_view content,
                 std::ostream& out);

}  // namespace ledfont::cli
