#pragma once

#include <QComboBox>

#include "UserEvent.h"

namespace ledfont {

// An editable drop-down list, not sorted. ListIndex is the 0-based selected
// item, -1 for none. Click runs whenever an item is chosen: by the user, or by
// a write of ListIndex from code, inside that write.
class ComboBox : public QComboBox {
public:
    explicit ComboBox(QWidget* parent = nullptr);

    void AddItem(const QString& text) { addItem(text); }
    // Adds the texts in their order, in one change of the list.
    void AddItems(const QStringList& texts) { addItems(texts); }
    int ListIndex() const { return currentIndex(); }
    // Selects item index (-1 clears) and runs Click before returning, even when
    // the index is unchanged. Throws InvalidPropertyError for an index outside
    // -1 .. count - 1 and then changes nothing.
    void SetListIndex(int index);

    void SetClickHandler(Handler handler) { click_ = std::move(handler); }

protected:
    void showPopup() override;

private:
    void UserChose();
    void EditingFinished();

    Handler click_;
};

}  // namespace ledfont
