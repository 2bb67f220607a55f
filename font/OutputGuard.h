#pragma once

#include <string>

namespace ledfont {

// Throws BadFileNameError when writing output would replace the font file it
// is made from: the same path, or the same existing file through a symbolic or
// hard link. Every file made from a font goes through here first.
void RefuseOverwritingFont(const std::string& output, const std::string& fontFile);

}  // namespace ledfont
