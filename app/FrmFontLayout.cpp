#include "FrmFontLayout.h"

#include <algorithm>
#include <array>
#include <string>

#include "Error.h"

namespace ledfont {

namespace {
// The two code boxes are one control array; their object names carry the index.
constexpr std::array<ControlPlace, 28> kLayout{{
    {"Frame1", "frmFont", 120, 120, 6615, 3735, 0},
    {"Frame3", "frmFont", 6960, 120, 7935, 2775, 3},
    {"cmdConvertToHex", "frmFont", 6960, 3000, 1575, 495, 21},
    {"Frame2", "Frame1", 120, 240, 4455, 3255, 1},
    {"lblLoc", "Frame1", 4800, 360, 1695, 255, 9},
    {"cmdShowDec", "Frame1", 4800, 720, 735, 495, 15},
    {"cmdShowInc", "Frame1", 5760, 720, 735, 495, 16},
    {"FrameJ", "Frame1", 4800, 1560, 1575, 855, 25},
    {"txtJukta0", "FrameJ", 120, 360, 615, 285, 26},
    {"txtJukta1", "FrameJ", 840, 360, 615, 285, 27},
    {"Label1", "Frame2", 2880, 240, 975, 255, 8},
    {"shpCentre", "Frame2", 480, 240, 135, 135, -1},
    {"pic", "Frame2", 240, 360, 2535, 2535, 2},
    {"cmbCols", "Frame2", 2880, 480, 975, 315, 7},
    {"Label2", "Frame2", 2880, 1080, 735, 255, 10},
    {"cmbCentre", "Frame2", 2880, 1320, 975, 315, 11},
    {"optConst", "Frame2", 2880, 1800, 1335, 255, 12},
    {"optVowel", "Frame2", 2880, 2040, 975, 375, 13},
    {"optIkaar", "Frame2", 2880, 2400, 855, 375, 14},
    {"cmdNew", "Frame3", 120, 240, 1095, 375, 4},
    {"Dir1", "Frame3", 2760, 240, 2295, 1890, 17},
    {"File1", "Frame3", 5160, 240, 2535, 1845, 18},
    {"optHindi", "Frame3", 1440, 360, 975, 195, 22},
    {"cmdSave", "Frame3", 120, 720, 1095, 375, 5},
    {"optJukta", "Frame3", 1440, 720, 1095, 195, 23},
    {"cmdLoad", "Frame3", 120, 1200, 1095, 375, 6},
    {"Drive1", "Frame3", 360, 1800, 2055, 315, 19},
    {"lblFile", "Frame3", 240, 2400, 7095, 255, 20},
}};
}  // namespace

std::span<const ControlPlace> FrmFontLayout() { return kLayout; }

const ControlPlace& PlaceOf(std::string_view name) {
    const auto* found =
        std::find_if(kLayout.begin(), kLayout.end(), [name](const ControlPlace& p) { return p.name == name; });
    if (found == kLayout.end())
        throw MakeError<InvalidCallError>("the layout table has no control named \"" + std::string(name) + "\"");
    return *found;
}

}  // namespace ledfont
