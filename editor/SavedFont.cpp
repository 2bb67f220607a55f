#include "SavedFont.h"

namespace ledfont {

void SavedFont::Remember(const FontState& font) {
    mode_ = font.Mode();
    records_.clear();
    codes_.clear();
    for (int c = 0; c < GlyphCount(mode_); ++c) {
        for (int k = 0; k < kRecordBytes; ++k) records_.push_back(font.FontBytes(c, k));
        if (mode_ == FontMode::Jukta)
            for (int j = 0; j < 2; ++j) codes_.push_back(font.JuktaCodes(c, j));
    }
}

std::vector<int> SavedFont::ChangedRecords(const FontState& font) const {
    std::vector<int> changed;
    for (int c = 0; c < GlyphCount(font.Mode()); ++c) {
        bool differs = font.Mode() != mode_;
        for (int k = 0; k < kRecordBytes && !differs; ++k)
            differs = font.FontBytes(c, k) != records_[static_cast<std::size_t>(c * kRecordBytes + k)];
        if (differs) changed.push_back(c);
    }
    return changed;
}

std::vector<int> SavedFont::ChangedCodes(const FontState& font) const {
    std::vector<int> changed;
    if (font.Mode() != FontMode::Jukta) return changed;
    for (int c = 0; c < GlyphCount(FontMode::Jukta); ++c) {
        bool differs = mode_ != FontMode::Jukta;
        for (int j = 0; j < 2 && !differs; ++j)
            differs = font.JuktaCodes(c, j) != codes_[static_cast<std::size_t>(2 * c + j)];
        if (differs) changed.push_back(c);
    }
    return changed;
}

bool SavedFont::Differs(const FontState& font) const {
    return !ChangedRecords(font).empty() || !ChangedCodes(font).empty();
}

}  // namespace ledfont
