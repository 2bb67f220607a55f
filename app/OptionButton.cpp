#include "OptionButton.h"

namespace ledfont {

void OptionButton::SetValue(bool value) {
    if (value || !isChecked()) {
        setChecked(value);
        return;
    }
    // Qt will not clear the checked button of an exclusive group.
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(true);
}

}  // namespace ledfont
