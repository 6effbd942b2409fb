#include "chequefields.h"

#include "core/amountinwords.h"

#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>

namespace penvaro::payments {

QLineEdit *ChequeEdit(QWidget *parent, const char *name) {
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
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
    QObject::connect(amount, &QLineEdit::textChanged, words, [words](const QString &text) {
        words->setText(QString::fromStdString(core::AmountInWords(text.toStdString())));
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
