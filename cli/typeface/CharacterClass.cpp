#include "CharacterClass.h"

#include <hb.h>

namespace ledfont::cli {
namespace {

constexpr char32_t kVowelSignI = 0x093F;

hb_unicode_general_category_t CategoryOf(char32_t codePoint) {
    return hb_unicode_general_category(hb_unicode_funcs_get_default(), codePoint);
}

}  // namespace

GlyphClass ClassOf(char32_t codePoint) {
    if (codePoint == kVowelSignI) return GlyphClass::Ikaar;
    return CategoryOf(codePoint) == HB_UNICODE_GENERAL_CATEGORY_NON_SPACING_MARK ? GlyphClass::Vowel
                                                                                 : GlyphClass::Consonant;
}

bool IsAssigned(char32_t codePoint) {
    return CategoryOf(codePoint) != HB_UNICODE_GENERAL_CATEGORY_UNASSIGNED;
}

}  // namespace ledfont::cli
