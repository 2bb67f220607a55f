#pragma once

namespace ledfont::cli {

// How ledfont lists the import among its commands; the import program, which
// reads the command line, tells the rest.
inline constexpr const char* kImportSynopsis =
    "import --hindi|--jukta [CONJUNCTS | --corpus TEXTFILE] -o FONT [TYPEFACE] [options]";
inline constexpr const char* kImportSummary = "start a font from a TrueType or OpenType typeface";

}  // namespace ledfont::cli
