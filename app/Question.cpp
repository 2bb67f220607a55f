#include "Question.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace ledfont {

namespace {
QuestionInterceptor* interceptor = nullptr;
}  // namespace

Answer Ask(QWidget* parent, const QString& title, const QString& text, const QuestionButtons& buttons) {
    if (interceptor) {
        interceptor->Record({title, text, buttons});
        if (interceptor->answers.empty()) return Answer::Cancel;
        const Answer answer = interceptor->answers.front();
        interceptor->answers.pop_front();
        return answer;
    }
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    QPushButton* save = box.addButton(buttons.save, QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(buttons.discard, QMessageBox::DestructiveRole);
    QPushButton* cancel =
        buttons.cancel.isEmpty() ? nullptr : box.addButton(buttons.cancel, QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel ? cancel : discard);
    box.exec();
    // No button at all: the box went with the application quitting, and
    // nobody answered, so nothing may be thrown away.
    if (!box.clickedButton()) return Answer::Cancel;
    if (box.clickedButton() == save) return Answer::Save;
    if (box.clickedButton() == discard || !cancel) return Answer::Discard;
    return Answer::Cancel;
}

QString AskText(QWidget* parent, const QString& title, const QString& label) {
    if (interceptor) {
        interceptor->Record({title, label, {}});
        if (interceptor->texts.empty()) return {};
        const QString text = interceptor->texts.front();
        interceptor->texts.pop_front();
        return text;
    }
    return QInputDialog::getText(parent, title, label);
}

QString AskSaveFileName(QWidget* parent, const QString& title, const QString& start) {
    if (interceptor) {
        interceptor->Record({title, start, {}});
        if (interceptor->fileNames.empty()) return {};
        const QString name = interceptor->fileNames.front();
        interceptor->fileNames.pop_front();
        return name;
    }
    return QFileDialog::getSaveFileName(parent, title, start,
                                        QStringLiteral("Font files (*.txt);;All files (*)"));
}

QuestionInterceptor::QuestionInterceptor() : previous_(interceptor) { interceptor = this; }

QuestionInterceptor::~QuestionInterceptor() { interceptor = previous_; }

}  // namespace ledfont
