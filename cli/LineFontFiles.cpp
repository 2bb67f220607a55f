#include "LineFontFiles.h"

#include "LoadFontFile.h"

namespace ledfont::cli {

LineFontFiles LoadLineFontFiles(const Arguments& args) {
    const std::optional<std::string> hindiPath = args.Value("--hindi");
    if (!hindiPath)
        throw MakeError<UsageError>("--hindi FONT is needed: the Hindi font to draw the text with");
    LineFontFiles files{*hindiPath, args.Value("--jukta"), LoadFontFile(*hindiPath, FontMode::Hindi), {}};
    if (files.juktaPath) files.jukta = LoadFontFile(*files.juktaPath, FontMode::Jukta);
    return files;
}

}  // namespace ledfont::cli
