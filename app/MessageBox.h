#pragma once

#include <QString>
#include <vector>

class QWidget;

namespace ledfont {

// Message box styles: the icon part of the classic style number.
inline constexpr int kStyleCritical = 16;
inline constexpr int kStyleQuestion = 32;
inline constexpr int kStyleExclamation = 48;
inline constexpr int kStyleInformation = 64;

// A modal box with one OK button; returns when the user closes it.
void ShowMessageBox(QWidget* parent, const QString& text, int style, const QString& title);

// While one exists, ShowMessageBox records its arguments here instead of
// opening a box, so tests can see what the user would have been told.
class MessageBoxInterceptor {
public:
    struct Shown {
        QString title;
        QString text;
        int style = 0;
    };

    MessageBoxInterceptor();
    ~MessageBoxInterceptor();
    MessageBoxInterceptor(const MessageBoxInterceptor&) = delete;
    MessageBoxInterceptor& operator=(const MessageBoxInterceptor&) = delete;

    const std::vector<Shown>& shown() const { return shown_; }
    void Record(Shown box) { shown_.push_back(std::move(box)); }

private:
    MessageBoxInterceptor* previous_;
    std::vector<Shown> shown_;
};

}  // namespace ledfont
