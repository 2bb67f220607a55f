#pragma once

#include <span>
#include <string_view>

namespace ledfont {

// Place of one control of the window: its container (the window "frmFont" or
// a frame), Left, Top, Width and Height in twips of that container, and its
// place in the Tab order (-1 for none).
struct ControlPlace {
    std::string_view name;
    std::string_view container;
    int left;
    int top;
    int width;
    int height;
    int tab;
};

inline constexpr std::string_view kWindowName = "frmFont";
inline constexpr int kClientWidthTwips = 14925;
inline constexpr int kClientHeightTwips = 4050;

// Every control of frmFont, containers before their contents.
std::span<const ControlPlace> FrmFontLayout();
// The place of a named control; throws InvalidCallError for an unknown name.
const ControlPlace& PlaceOf(std::string_view name);

}  // namespace ledfont
