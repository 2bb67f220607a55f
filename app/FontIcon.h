#pragma once

#include <QIcon>

namespace ledfont {

// The window's icon, 32 x 32 and 16 x 16 in a few of 16 colours: a red LED letter on black.
QIcon FontIcon();

}  // namespace ledfont
