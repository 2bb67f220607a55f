#include "WidgetGlyphControls.h"

#include <QLabel>
#include <QLineEdit>

#include "ComboBox.h"
#include "Error.h"
#include "OptionButton.h"
#include "Shape.h"

namespace ledfont {

OptionButton* WidgetGlyphControls::ClassButton(GlyphClass glyphClass) const {
    switch (glyphClass) {
        case GlyphClass::Consonant: return widgets_.optConst;
        case GlyphClass::Vowel: return widgets_.optVowel;
        case GlyphClass::Ikaar: return widgets_.optIkaar;
    }
    throw MakeError<InvalidCallError>("glyph class " + std::to_string(static_cast<int>(glyphClass)) +
                                      " has no option button");
}

QLineEdit* WidgetGlyphControls::JuktaBox(int index) const {
    if (index < 0 || index >= static_cast<int>(widgets_.txtJukta.size()))
        throw MakeError<SubscriptError>("code box " + std::to_string(index) + " is outside 0.." +
                                        std::to_string(widgets_.txtJukta.size() - 1));
    return widgets_.txtJukta[static_cast<std::size_t>(index)];
}

void WidgetGlyphControls::SelectClass(GlyphClass glyphClass) { ClassButton(glyphClass)->SetValue(true); }

bool WidgetGlyphControls::IsClassSelected(GlyphClass glyphClass) const { return ClassButton(glyphClass)->Value(); }

int WidgetGlyphControls::ColsListIndex() const { return widgets_.cmbCols->ListIndex(); }

void WidgetGlyphControls::SetColsListIndex(int index) { widgets_.cmbCols->SetListIndex(index); }

int WidgetGlyphControls::CentreListIndex() const { return widgets_.cmbCentre->ListIndex(); }

void WidgetGlyphControls::SetCentreListIndex(int index) { widgets_.cmbCentre->SetListIndex(index); }

void WidgetGlyphControls::SetCentreMarkerLeft(float twips) { widgets_.shpCentre->SetLeft(twips); }

void WidgetGlyphControls::SetLocCaption(const std::string& caption) {
    widgets_.lblLoc->setText(QString::fromStdString(caption));
}

std::string WidgetGlyphControls::JuktaText(int index) const { return JuktaBox(index)->text().toStdString(); }

void WidgetGlyphControls::SetJuktaText(int index, const std::string& text) {
    JuktaBox(index)->setText(QString::fromStdString(text));
}

}  // namespace ledfont
