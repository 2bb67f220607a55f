#pragma once

#include <optional>
#include <string>

#include "Arguments.h"
#include "FontState.h"
#include "LineFonts.h"

namespace ledfont::cli {

// The fonts a command draws a line of text with: the Hindi font of --hindi,
// which it needs, and the Jukta font of --jukta when given.
struct LineFontFiles {
    std::string hindiPath;
    std::optional<std::string> juktaPath;
    FontState hindi;
    std::optional<FontState> jukta;

    // Refers to this object.
    sign::LineFonts Fonts() const { return {hindi, jukta ? &*jukta : nullptr}; }
};

// Loads them. Throws UsageError without --hindi, and what the loader throws.
LineFontFiles LoadLineFontFiles(const Arguments& args);

}  // namespace ledfont::cli
