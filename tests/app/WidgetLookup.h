#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QWidget>

// Small helpers shared by the window tests.

// The control called name under root; fails the test when there is none.
template <class Widget = QWidget>
Widget* Find(QWidget* root, const char* name) {
    auto* widget = root->findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << "no control " << name;
    return widget;
}

// The text a control shows as its caption, whatever its kind.
inline QString CaptionOf(const QWidget* widget) {
    if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
    if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(widget)) return frame->title();
    if (auto* edit = qobject_cast<const QLineEdit*>(widget)) return edit->text();
    return {};
}

inline QString Q(const char* text) { return QString::fromUtf8(text); }
