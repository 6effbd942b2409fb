#pragma once

#include "scripteduiservice.h"

#include <QComboBox>
#include <QDialog>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace penvaro::testing {

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
QStringList ItemsOf(const QComboBox &box);
QStringList ItemsOf(const QWidget &window, const char *name);
// The objectName of the widget with the keyboard focus.
QString FocusName();
// Gives the field the focus as a user would and replaces its text by typing.
void Retype(QWidget *field, const QString &text);

// Shows the window, makes it active so that focus moves send their events, and waits for it.
void ShowActive(QWidget &window);

// Acts as the user the next time a dialog is shown modally: shows it, hands it to the test and
// closes it afterwards as "Schließen" would, without the question about typed values, unless
// the test closed it.
template<typename Dialog>
void OnNextModal(penvaro::testing::ScriptedUiService &ui, std::function<void(Dialog &)> user) {
    ui.setNextModal([user](QDialog &dialog) {
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        user(static_cast<Dialog &>(dialog));
        if (dialog.isVisible())
            dialog.done(QDialog::Rejected);
        return dialog.result();
    });
}

} // namespace penvaro::testing
