#include "Typeface.h"

#include "Error.h"

namespace ledfont::cli {
namespace {

// What went wrong, as a sentence: FreeType's own error strings are few and
// terse where they are built in at all, and a number tells a user nothing.
std::string Describe(FT_Error error) {
    switch (error) {
        case FT_Err_Unknown_File_Format:
            return "it is not a typeface FreeType reads";
        case FT_Err_Cannot_Open_Resource:
            return "FreeType cannot open it";
        case FT_Err_Out_Of_Memory:
            return "there is not enough memory";
        default:  // a broken table, an offset or a count past its end ("ttcf" with nonsense after it)...
            return "it is damaged";
    }
}

}  // namespace

Typeface::Typeface(const std::string& path, const RenderSettings& render) : path_(path), render_(render) {
    if (const FT_Error error = FT_Init_FreeType(&library_); error != 0) {
        library_ = nullptr;
        Fail(error, "start FreeType for");
    }
    if (const FT_Error error = FT_New_Face(library_, path.c_str(), 0, &face_); error != 0) {
        face_ = nullptr;
        FT_Done_FreeType(library_);
        Fail(error, "read");
    }
    if (!FT_IS_SCALABLE(face_)) {
        FT_Done_Face(face_);
        FT_Done_FreeType(library_);
        throw MakeError<BadFileModeError>("the typeface \"" + path +
                                          "\" holds bitmaps only: give a typeface with outlines");
    }
}

Typeface::~Typeface() {
    FT_Done_Face(face_);
    FT_Done_FreeType(library_);
}

void Typeface::Fail(FT_Error error, const std::string& action) const {
    throw MakeError<BadFileModeError>("cannot " + action + " the typeface \"" + path_ +
                                      "\": " + Describe(error));
}

void Typeface::SetPixelSize(int pixels) {
    if (const FT_Error error = FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixels)); error != 0)
        Fail(error, "size " + std::to_string(pixels) + " pixels");
    size_ = pixels;
}

unsigned Typeface::GlyphOf(char32_t codePoint) const { return FT_Get_Char_Index(face_, codePoint); }

int Typeface::LoadFlags() const {
    const bool grey = render_.threshold.has_value();
    switch (render_.hinting) {
        case Hinting::None:
            return FT_LOAD_NO_HINTING;
        case Hinting::Light:
            return FT_LOAD_TARGET_LIGHT;
        case Hinting::Full:
            break;
    }
    return grey ? FT_LOAD_TARGET_NORMAL : FT_LOAD_TARGET_MONO;
}

GlyphInk Typeface::Render(unsigned glyph) const {
    if (const FT_Error error = FT_Load_Glyph(face_, glyph, LoadFlags()); error != 0)
        Fail(error, "load glyph " + std::to_string(glyph) + " of");
    const FT_GlyphSlot slot = face_->glyph;
    const bool grey = render_.threshold.has_value();
    if (const FT_Error error = FT_Render_Glyph(slot, grey ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO);
        error != 0)
        Fail(error, "render glyph " + std::to_string(glyph) + " of");
    const FT_Bitmap& bitmap = slot->bitmap;
    GlyphInk ink;
    ink.advance = PixelsOf26Dot6(slot->advance.x);
    for (unsigned row = 0; row < bitmap.rows; ++row) {
        const unsigned char* line = bitmap.buffer + static_cast<long>(row) * bitmap.pitch;
        for (unsigned column = 0; column < bitmap.width; ++column) {
            bool lit = false;
            if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO)
                lit = (line[column / 8] >> (7 - column % 8)) & 1;
            else if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY)
                lit = line[column] > (grey ? *render_.threshold : 127);
            else
                throw MakeError<BadFileModeError>("glyph " + std::to_string(glyph) + " of the typeface \"" +
                                                  path_ +
                                                  "\" is drawn in a pixel format ledfont does not read");
            if (lit)
                ink.lit.push_back({slot->bitmap_left + static_cast<int>(column),
                                   slot->bitmap_top - 1 - static_cast<int>(row)});
        }
    }
    return ink;
}

Typeface::Reach Typeface::OutlineReach(unsigned glyph) const {
    if (const FT_Error error = FT_Load_Glyph(face_, glyph, FT_LOAD_NO_SCALE); error != 0)
        Fail(error, "load glyph " + std::to_string(glyph) + " of");
    const FT_Glyph_Metrics& m = face_->glyph->metrics;
    const double em = face_->units_per_EM;
    return {static_cast<double>(m.horiBearingY) / em, static_cast<double>(m.horiBearingY - m.height) / em};
}

int Typeface::Ascender() const { return PixelsOf26Dot6(face_->size->metrics.ascender); }
int Typeface::Descender() const { return PixelsOf26Dot6(face_->size->metrics.descender); }

}  // namespace ledfont::cli
