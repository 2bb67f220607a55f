#pragma once

#include <QPushButton>

#include "UserEvent.h"

namespace ledfont {

// A push button. Qt delivers no click to a disabled button, so a disabled
// command never runs.
class CommandButton : public QPushButton {
public:
    explicit CommandButton(const QString& caption, QWidget* parent = nullptr);

    void SetClickHandler(Handler handler) { click_ = std::move(handler); }

private:
    Handler click_;
};

}  // namespace ledfont
