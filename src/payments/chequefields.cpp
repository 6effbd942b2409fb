#include "chequefields.h"

#include "core/amountinwords.h"
#include "core/typedamount.h"

#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>

namespace penvaro::payments {

QLineEdit *ChequeEdit(QWidget *parent, const char *name, int maxLength) {
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(maxLength);
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setBold(true);
    edit->setFont(font);
    return edit;
}

void TypeInCapitals(QLineEdit *edit) {
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString &text) {
        const QString capitals = text.toUpper();
        if (capitals == text)
            return;
        const int cursor = edit->cursorPosition();
        edit->setText(capitals);
        edit->setCursorPosition(cursor);
    });
}

QLabel *AmountInWordsLabel(QWidget *parent, const char *name, QLineEdit *amount) {
    auto *words =
        new QLabel(QStringLiteral("Der Betrag in Buchstaben wird automatisch eingefügt."), parent);
    words->setObjectName(QString::fromLatin1(name));
    words->setWordWrap(true);
    words->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // The field's text, not the signal's: turning it into capitals changes it once more while
    // the first change is still being announced.
    QObject::connect(amount, &QLineEdit::textChanged, words, [words, amount] {
        const QString text = amount->text();
        if (text.trimmed().isEmpty()) {
            words->setText(QStringLiteral("*"));
            return;
        }
        const auto read = core::ReadTypedAmount(text.toStdString());
        words->setText(
            QString::fromStdString(read ? core::AmountInWords(*read) : read.error().message));
    });
    return words;
}

QLabel *Caption(QWidget *parent, const QString &text, QWidget *buddy) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("L") + buddy->objectName());
    label->setBuddy(buddy);
    return label;
}

} // namespace penvaro::payments
