#pragma once

#include <QString>
#include <deque>
#include <vector>

class QWidget;

namespace ledfont {

// The three answers to a question before something could be lost. Each
// question gives them its own captions ("Save", "Replace other.txt"...).
enum class Answer { Save, Discard, Cancel };

struct QuestionButtons {
    QString save;
    QString discard;
    QString cancel;  // empty: the question cannot be cancelled (Escape answers Discard)
};

// A modal question with up to three buttons; Escape or closing the box
// answers Cancel (or Discard, without a cancel button). A box that goes
// unanswered, because the application quits, answers Cancel.
Answer Ask(QWidget* parent, const QString& title, const QString& text, const QuestionButtons& buttons);

// A line of text the user types (Go to glyph); empty when cancelled.
QString AskText(QWidget* parent, const QString& title, const QString& label);

// The Save As dialog: the chosen path, or empty when the user cancelled.
QString AskSaveFileName(QWidget* parent, const QString& title, const QString& start);

// While one exists, Ask and AskSaveFileName take their answers from it
// instead of opening a box, and it records what was asked, so tests can
// answer as a user would. Without a prepared answer Ask answers Cancel, and
// AskText and AskSaveFileName give an empty text.
class QuestionInterceptor {
public:
    struct Asked {
        QString title;
        QString text;
        QuestionButtons buttons;
    };

    QuestionInterceptor();
    ~QuestionInterceptor();
    QuestionInterceptor(const QuestionInterceptor&) = delete;
    QuestionInterceptor& operator=(const QuestionInterceptor&) = delete;

    std::deque<Answer> answers;
    std::deque<QString> fileNames;
    std::deque<QString> texts;
    const std::vector<Asked>& asked() const { return asked_; }
    void Record(Asked question) { asked_.push_back(std::move(question)); }

private:
    QuestionInterceptor* previous_;
    std::vector<Asked> asked_;
};

}  // namespace ledfont
