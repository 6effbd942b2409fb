#include "widgetlookup.h"

#include "entry/dateedit.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace penvaro::entry::fixture {

QString TextOf(const QWidget &window, const char *name) {
    QWidget *field = Child(window, name);
    if (auto *combo = qobject_cast<QComboBox *>(field))
        return combo->currentText();
    if (auto *date = qobject_cast<DateEdit *>(field))
        return date->typedText();
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        return edit->text();
    if (auto *button = qobject_cast<QPushButton *>(field))
        return button->text();
    auto *label = qobject_cast<QLabel *>(field);
    return label ? label->text() : QString();
}

QStringList ItemsOf(const QWidget &window, const char *name) {
    auto *combo = Child<QComboBox>(window, name);
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    return items;
}

QString FocusName() {
    QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

void Retype(QWidget *field, const QString &text) {
    field->setFocus(Qt::TabFocusReason);
    if (auto *combo = qobject_cast<QComboBox *>(field)) {
        combo->lineEdit()->clear();
    } else if (auto *edit = qobject_cast<QLineEdit *>(field)) {
        edit->clear();
        edit->home(false);
    }
    QTest::keyClicks(field, text);
}

} // namespace penvaro::entry::fixture
