#include "CommonSigns.h"

namespace ledfont::cli {

bool IsCommonSign(char32_t cp) {
    const auto in = [cp](char32_t first, char32_t last) { return cp >= first && cp <= last; };
    return in(0x0901, 0x0903) || in(0x0905, 0x0939) || in(0x093E, 0x094D) || in(0x0964, 0x096F);
}

}  // namespace ledfont::cli
