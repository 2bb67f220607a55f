#pragma once

#include <functional>
#include <string>

#include "Error.h"
#include "GlyphControls.h"

namespace ledfont::test {

// The window's glyph controls as plain values, with the list rules the
// editor relies on: writing a ListIndex runs the Click handler before it
// returns, and an index outside -1..count-1 is refused.
class FakeGlyphControls : public GlyphControls {
public:
    std::function<void()> colsClick = [] {};
    std::function<void()> centreClick = [] {};
    GlyphClass selected = GlyphClass::Consonant;
    bool noClassSelected = false;
    int colsIndex = 7;
    int centreIndex = 0;
    float markerLeft = 0.0f;
    std::string loc = "Loc";
    std::string jukta[2];
    int colsClicks = 0;

    void SelectClass(GlyphClass glyphClass) override {
        selected = glyphClass;
        noClassSelected = false;
    }
    bool IsClassSelected(GlyphClass glyphClass) const override {
        return !noClassSelected && selected == glyphClass;
    }
    int ColsListIndex() const override { return colsIndex; }
    void SetColsListIndex(int index) override {
        Check(index, kColumnItems);
        colsIndex = index;
        ++colsClicks;
        colsClick();
    }
    int CentreListIndex() const override { return centreIndex; }
    void SetCentreListIndex(int index) override {
        Check(index, kCentreItems);
        centreIndex = index;
        centreClick();
    }
    void SetCentreMarkerLeft(float twips) override { markerLeft = twips; }
    void SetLocCaption(const std::string& caption) override { loc = caption; }
    std::string JuktaText(int index) const override { return jukta[index]; }
    void SetJuktaText(int index, const std::string& text) override { jukta[index] = text; }

private:
    static void Check(int index, int count) {
        if (index < -1 || index >= count) throw MakeError<InvalidPropertyError>("list index out of range");
    }
};

}  // namespace ledfont::test
