#include "LineFonts.h"

#include "ControllerMap.h"

namespace ledfont::sign {
namespace {

// The core counts offsets from the start of the image; the map gives addresses.
static_assert(kJuktaGlyphBase - kHindiGlyphBase == SIGN_JUKTA_RECORDS);
static_assert(kJuktaCodeBase - kHindiGlyphBase == SIGN_JUKTA_CODES);
static_assert(kRecordBytes == SIGN_RECORD_BYTES);

// The bytes of the image at offset, from the font whose block holds them; 0
// for an offset outside both blocks or in a Jukta font that was not given.
int ReadImage(void* context, std::uint16_t offset, std::uint8_t* bytes, std::size_t count) {
    const auto& fonts = *static_cast<const LineFonts*>(context);
    try {
        for (std::size_t i = 0; i < count; ++i) {
            const std::uint32_t address = kHindiGlyphBase + offset + static_cast<std::uint32_t>(i);
            const bool hindi = address < kJuktaGlyphBase;
            const FontState* font = hindi ? &fonts.hindi : fonts.jukta;
            if (!font) return 0;
            const auto mapped = FontByteAt(*font, hindi ? FontMode::Hindi : FontMode::Jukta, address);
            if (!mapped) return 0;
            bytes[i] = mapped->value;
        }
        return 1;
    } catch (...) {
        return 0;  // nothing may be thrown through the core's C frames
    }
}

}  // namespace

SignFonts LineFonts::Core() const { return {ReadImage, const_cast<LineFonts*>(this), jukta != nullptr}; }

InvalidCallError UnreadableFontsError() {
    return InvalidCallError("Invalid procedure call or argument (the fonts of the line cannot be read)");
}

}  // namespace ledfont::sign
