#include "widgetlookup.h"

#include "entry/dateedit.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace penvaro::testing {

QString TextOf(const QWidget &window, const char *name) {
    QWidget *field = Child(window, name);
    if (auto *combo = qobject_cast<QComboBox *>(field))
        return combo->currentText();
    if (auto *date = qobject_cast<entry::DateEdit *>(field))
        return date->typedText();
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        return edit->text();
    if (auto *button = qobject_cast<QPushButton *>(field))
        return button->text();
    auto *label = qobject_cast<QLabel *>(field);
    return label ? label->text() : QString();
}

QStringList ItemsOf(const QComboBox &box) {
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items.append(box.itemText(i));
    return items;
}

QStringList ItemsOf(const QWidget &window, const char *name) {
    return ItemsOf(*Child<QComboBox>(window, name));
}

QString FocusName() {
    QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

void Retype(QWidget *field, const QString &text) {
    field->setFocus(Qt::TabFocusReason);
    if (auto *box = qobject_cast<QComboBox *>(field)) {
        box->clearEditText();
    } else if (auto *edit = qobject_cast<QLineEdit *>(field)) {
        edit->clear();
        edit->home(false);
    }
    for (const QChar c : text) {
        // QTest types only ASCII by key; other characters arrive as the text of a key event.
        if (c.unicode() < 0x80)
            QTest::keyClick(field, static_cast<char>(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void ShowActive(QWidget &window) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // The offscreen platform does not activate a window shown again after hiding.
    if (QApplication::activeWindow() != &window)
        QApplication::setActiveWindow(&window);
    ASSERT_EQ(QApplication::activeWindow(), &window);
}

} // namespace penvaro::testing
