#pragma once

#include <QPushButton>

#include "UserEvent.h"

namespace ledfont {

// A push button. Space and, as on the platform the design comes from, Return
// or Enter press the button that has the focus. Qt delivers no click (and no
// key) to a disabled button, so a disabled command never runs.
class CommandButton : public QPushButton {
public:
    explicit CommandButton(const QString& caption, QWidget* parent = nullptr);

    void SetClickHandler(Handler handler) { click_ = std::move(handler); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Handler click_;
};

}  // namespace ledfont
