#pragma once

#include <QRadioButton>

namespace ledfont {

// An option button: selecting one clears the others in the same container.
class OptionButton : public QRadioButton {
public:
    explicit OptionButton(const QString& caption, QWidget* parent = nullptr) : QRadioButton(caption, parent) {
        setAutoExclusive(true);
    }

    bool Value() const { return isChecked(); }
    // Clearing is allowed too, which leaves no button of the group selected.
    void SetValue(bool value);
};

}  // namespace ledfont
