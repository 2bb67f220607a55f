#pragma once

#include "Error.h"
#include "FontState.h"
#include "sign_fonts.h"

namespace ledfont::sign {

// The fonts a line is drawn with: a Hindi font, and a Jukta font of conjuncts
// when one is given.
struct LineFonts {
    const FontState& hindi;
    const FontState* jukta = nullptr;

    // The fonts as the composer's core reads them: a read function over the
    // two tables, at the offsets the controller image gives their bytes. The
    // result refers to this object.
    SignFonts Core() const;
};

// What a caller of the core throws when a read through Core() failed: the
// fonts lack a byte the line needs (a Jukta glyph of a font not given).
InvalidCallError UnreadableFontsError();

}  // namespace ledfont::sign
