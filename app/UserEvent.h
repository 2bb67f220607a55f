#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace ledfont {

using Handler = std::function<void()>;

// Runs a command and reports its failure in a modal error box (style 16) with
// the given title and the failure's description as the text. Returns false
// when the command failed. The window and its data stay usable either way.
bool RunReported(QWidget* source, const QString& title, const Handler& handler);

// Runs the handler of something the user did. A failure that no command caught
// is shown in the error box titled "Error" instead of unwinding into the event
// loop, so no failure ends the program.
void RunUserEvent(QWidget* source, const Handler& handler);

}  // namespace ledfont
