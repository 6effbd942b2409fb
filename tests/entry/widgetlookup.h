#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

namespace penvaro::entry::fixture {

// Finds a control by its objectName, as the user finds it by its label.
template<typename T = QWidget>
T *Child(const QWidget &window, const char *name) {
    auto *child = window.findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

// What a control shows: the text of an edit, combo box, button or label; dates without the
// mask's blanks.
QString TextOf(const QWidget &window, const char *name);
QStringList ItemsOf(const QWidget &window, const char *name);
// The objectName of the widget with the keyboard focus.
QString FocusName();
// Types into a field as the user would after emptying it.
void Retype(QWidget *field, const QString &text);

} // namespace penvaro::entry::fixture
