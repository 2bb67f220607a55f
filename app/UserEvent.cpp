#include "UserEvent.h"

#include <QWidget>
#include <exception>
#include <new>

#include "Error.h"
#include "MessageBox.h"

namespace ledfont {

bool RunReported(QWidget* source, const QString& title, const Handler& handler) {
    if (!handler) return true;
    QWidget* window = source ? source->window() : nullptr;
    try {
        handler();
        return true;
    } catch (const Error& error) {
        ShowMessageBox(window, QString::fromStdString(error.Description()), kStyleCritical, title);
    } catch (const std::bad_alloc&) {
        ShowMessageBox(window, QStringLiteral("Out of memory"), kStyleCritical, title);
    } catch (const std::exception& error) {
        ShowMessageBox(window, QString::fromLocal8Bit(error.what()), kStyleCritical, title);
    }
    return false;
}

void RunUserEvent(QWidget* source, const Handler& handler) {
    RunReported(source, QStringLiteral("Error"), handler);
}

}  // namespace ledfont
