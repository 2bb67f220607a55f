#include "ComboBox.h"

#include <QAbstractItemView>
#include <QLineEdit>

#include "Error.h"

namespace ledfont {

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {
    // Editable through its own field: setEditable would also build the
    // drop-down list and size the box now, work that waits here for the
    // first drop-down, and the size comes from the layout.
    auto* field = new QLineEdit(this);
    field->setPalette(palette());
    setLineEdit(field);
    setInsertPolicy(QComboBox::NoInsert);
    // No inline completion: what the user types is exactly what is matched.
    setCompleter(nullptr);
    connect(this, &QComboBox::activated, this, [this](int) { UserChose(); });
    connect(lineEdit(), &QLineEdit::editingFinished, this, [this] { EditingFinished(); });
}

// A long list scrolls, as in any editable drop-down.
void ComboBox::showPopup() {
    view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QComboBox::showPopup();
}

void ComboBox::SetListIndex(int index) {
    if (index < -1 || index >= count())
        throw MakeError<InvalidPropertyError>("list index " + std::to_string(index) + " is outside -1.." +
                                              std::to_string(count() - 1));
    setCurrentIndex(index);
    if (index == -1) setEditText(QString());
    lineEdit()->setModified(false);
    if (click_) click_();
}

void ComboBox::UserChose() {
    lineEdit()->setModified(false);
    RunUserEvent(this, click_);
}

// Typed text that names an item selects it; anything else goes back to the
// selected item's text, so the field always shows what the list holds.
void ComboBox::EditingFinished() {
    const QString typed = lineEdit()->text();
    const int match = findText(typed, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (match < 0) {
        setEditText(itemText(currentIndex()));
        lineEdit()->setModified(false);
        return;
    }
    // Qt may already have chosen the item itself (and reported it as activated).
    if (match == currentIndex() && !lineEdit()->isModified()) return;
    RunUserEvent(this, [this, match] { SetListIndex(match); });
}

}  // namespace ledfont
