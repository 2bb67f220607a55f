#pragma once

#include <optional>
#include <string>

#include "FontFile.h"
#include "FontMode.h"
#include "FontState.h"

namespace ledfont::cli {

// Loads the font file at path with the editor's loader, as its Load command
// does: in mode, or without one in the mode the file's item count gives it
// (FontFileMode). FontFile and IsJukta are set as the window sets them. When
// report is given, the whole file is read and it receives what the load saw.
FontState LoadFontFile(const std::string& path, std::optional<FontMode> mode, LoadReport* report = nullptr);

}  // namespace ledfont::cli
