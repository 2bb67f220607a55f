#pragma once

#include <cstdint>
#include <memory>

#include "FontState.h"

namespace ledfont::bench {

// A font table full of varied bytes (xorshift), so no benchmark runs on zeros.
inline std::unique_ptr<FontState> PatternedFont(bool isJukta) {
    auto state = std::make_unique<FontState>();
    std::uint32_t x = 2463534242u;
    for (long c = 0; c <= 200; ++c) {
        for (long k = 0; k <= 50; ++k) {
            x ^= x << 13;
            x ^= x >> 17;
            x ^= x << 5;
            state->FontBytes(c, k) = static_cast<Byte>(x);
        }
        state->JuktaCodes(c, 0) = static_cast<Byte>(c);
        state->JuktaCodes(c, 1) = static_cast<Byte>(255 - c);
    }
    state->IsJukta = isJukta;
    return state;
}

}  // namespace ledfont::bench
