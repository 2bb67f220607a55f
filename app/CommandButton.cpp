#include "CommandButton.h"

namespace ledfont {

CommandButton::CommandButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] { RunUserEvent(this, click_); });
}

}  // namespace ledfont
