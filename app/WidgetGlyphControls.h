#pragma once

#include <array>

#include "GlyphControls.h"

class QLabel;
class QLineEdit;

namespace ledfont {

class ComboBox;
class OptionButton;
class Shape;

// The window's controls that the glyph editor reads and writes.
struct GlyphWidgets {
    OptionButton* optConst = nullptr;
    OptionButton* optVowel = nullptr;
    OptionButton* optIkaar = nullptr;
    ComboBox* cmbCols = nullptr;
    ComboBox* cmbCentre = nullptr;
    Shape* shpCentre = nullptr;
    QLabel* lblLoc = nullptr;
    std::array<QLineEdit*, 2> txtJukta{};
};

// GlyphControls over the real widgets. Holds a reference to the window's
// GlyphWidgets, which the window fills in when it creates its controls.
class WidgetGlyphControls : public GlyphControls {
public:
    explicit WidgetGlyphControls(const GlyphWidgets& widgets) : widgets_(widgets) {}

    void SelectClass(GlyphClass glyphClass) override;
    bool IsClassSelected(GlyphClass glyphClass) const override;
    int ColsListIndex() const override;
    void SetColsListIndex(int index) override;
    int CentreListIndex() const override;
    void SetCentreListIndex(int index) override;
    void SetCentreMarkerLeft(float twips) override;
    void SetLocCaption(const std::string& caption) override;
    // Index 0 or 1; any other throws SubscriptError.
    std::string JuktaText(int index) const override;
    void SetJuktaText(int index, const std::string& text) override;

private:
    OptionButton* ClassButton(GlyphClass glyphClass) const;
    QLineEdit* JuktaBox(int index) const;

    const GlyphWidgets& widgets_;
};

}  // namespace ledfont
