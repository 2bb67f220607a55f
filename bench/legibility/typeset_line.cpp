// A line of text as HarfBuzz and FreeType draw it from a typeface at a pixel
// size in 1 bit, with the import's hinting: the anchor the sign's legibility
// is measured against. Prints the line as rows of '#' (lit) and '.' (dark),
// from the typeface's ascender down to its descender, and on standard error
// the row the letters stand on.
//   typeset_line TYPEFACE PIXELS TEXT
#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "ConjunctShaper.h"
#include "Typeface.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: typeset_line TYPEFACE PIXELS TEXT\n";
        return 2;
    }
    try {
        ledfont::cli::Typeface typeface(argv[1], {});
        typeface.SetPixelSize(std::atoi(argv[2]));
        ledfont::cli::ConjunctShaper shaper(typeface);
        const auto ink = shaper.Draw(argv[3]);
        if (!ink || ink->Empty()) {
            std::cerr << "typeset_line: nothing drawn\n";
            return 1;
        }
        const auto b = ink->Bounds();
        const int top = std::max(b.top, typeface.Ascender());
        const int bottom = std::min(b.bottom, typeface.Descender());
        const int left = std::min(0, b.left);
        const int width = std::max(ink->advance, b.right + 1) - left;
        std::vector<std::string> rows(static_cast<std::size_t>(top - bottom + 1),
                                      std::string(static_cast<std::size_t>(width), '.'));
        for (const auto& p : ink->lit)
            rows[static_cast<std::size_t>(top - p.y)][static_cast<std::size_t>(p.x - left)] = '#';
        for (const auto& row : rows) std::cout << row << '\n';
        std::cerr << "baseline under row " << top + 1 << '\n';
    } catch (const std::exception& e) {
        std::cerr << "typeset_line: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
