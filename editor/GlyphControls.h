#pragma once

#include <string>

#include "GlyphLimits.h"

namespace ledfont {

// What the glyph editor needs from the window's controls. The window
// implements it over its real controls; tests implement it over plain values.
class GlyphControls {
public:
    virtual ~GlyphControls() = default;

    // Class option buttons (optConst, optVowel, optIkaar): selecting one clears the others.
    virtual void SelectClass(GlyphClass glyphClass) = 0;
    virtual bool IsClassSelected(GlyphClass glyphClass) const = 0;

    // Column-count list cmbCols (kColumnItems items, "3".."16"). Writing the
    // ListIndex selects the item and runs the list's Click handler before it
    // returns, even when the index is unchanged; an index outside
    // -1..kColumnItems-1 throws InvalidPropertyError.
    virtual int ColsListIndex() const = 0;
    virtual void SetColsListIndex(int index) = 0;

    // Centre list cmbCentre (kCentreItems items, "1".."15"), the same rules.
    virtual int CentreListIndex() const = 0;
    virtual void SetCentreListIndex(int index) = 0;

    // Left of the centre marker shpCentre, in twips of its container.
    virtual void SetCentreMarkerLeft(float twips) = 0;

    // Caption of the code label lblLoc.
    virtual void SetLocCaption(const std::string& caption) = 0;

    // The code fields txtJukta(0) and txtJukta(1).
    virtual std::string JuktaText(int index) const = 0;
    virtual void SetJuktaText(int index, const std::string& text) = 0;
};

}  // namespace ledfont
