#include "MessageBox.h"

#include <QMessageBox>

namespace ledfont {

namespace {
MessageBoxInterceptor* interceptor = nullptr;

QMessageBox::Icon IconOf(int style) {
    switch (style & 0x70) {
        case kStyleCritical: return QMessageBox::Critical;
        case kStyleQuestion: return QMessageBox::Question;
        case kStyleExclamation: return QMessageBox::Warning;
        case kStyleInformation: return QMessageBox::Information;
        default: return QMessageBox::NoIcon;
    }
}
}  // namespace

void ShowMessageBox(QWidget* parent, const QString& text, int style, const QString& title) {
    if (interceptor) {
        interceptor->Record({title, text, style});
        return;
    }
    QMessageBox box(IconOf(style), title, text, QMessageBox::Ok, parent);
    box.exec();
}

MessageBoxInterceptor::MessageBoxInterceptor() : previous_(interceptor) { interceptor = this; }

MessageBoxInterceptor::~MessageBoxInterceptor() { interceptor = previous_; }

}  // namespace ledfont
