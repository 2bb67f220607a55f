#pragma once

namespace ledfont::cli {

// The signs of everyday Hindi text, which an import must show whole: the
// consonants, the vowels अ..औ and the vowel signs ा..ौ (with the few of other
// languages between them), ँ ं ः and ्, the digits ०..९, । and ॥. The rest of
// U+0900..U+097F may be fitted or cut.
bool IsCommonSign(char32_t codePoint);

}  // namespace ledfont::cli
