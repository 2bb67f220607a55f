#include "LoadFontFile.h"

#include "OnFile.h"

namespace ledfont::cli {

FontState LoadFontFile(const std::string& path, std::optional<FontMode> mode, LoadReport* report) {
    FontState font;
    font.FontFile = path;
    OnFile(path, [&] {
        const FontMode loaded = mode ? *mode : FontFileMode(path);
        font.IsJukta = loaded == FontMode::Jukta;
        ItemReader reader = ItemReader::OpenFile(path);
        LoadFontItems(font, loaded, reader, report);
    });
    return font;
}

}  // namespace ledfont::cli
