#include "CommandButton.h"

#include <QKeyEvent>

namespace ledfont {

// Not auto-default: Qt would then draw the focused button as a dialog's
// default button. Return is handled below instead.
CommandButton::CommandButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] { RunUserEvent(this, click_); });
}

// One press per key stroke: a held Return does not repeat the command.
void CommandButton::keyPressEvent(QKeyEvent* event) {
    const bool returnKey = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers others = event->modifiers() & ~Qt::KeypadModifier;
    if (!returnKey || others != Qt::NoModifier) {
        QPushButton::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat() && isEnabled()) click();
    event->accept();
}

}  // namespace ledfont
