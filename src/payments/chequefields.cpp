#include "chequefields.h"

#include "pagebuttons.h"
#include "paymentprinter.h"

#include "core/amountinwords.h"
#include "core/typedamount.h"
#include "platform/appstate.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

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

ChequeCommands MakeChequeCommands(QWidget *page, PaymentPrinter &printer,
                                  const ChequeCommandNames &names) {
    ChequeCommands commands;
    commands.close = PageButton(page, names.close, QStringLiteral("Schließen"));
    commands.receipt = PageButton(page, names.receipt, QStringLiteral("Quittung drucken"));
    commands.printerSetUp = PageButton(page, names.printerSetUp, QStringLiteral("Drucker ändern"));
    commands.print = PageButton(page, names.print, QStringLiteral("Drucken"));
    QObject::connect(commands.printerSetUp, &QPushButton::clicked, page,
                     [page, &printer] { printer.setUp(page); });
    return commands;
}

void AddChequeAmountRows(QGridLayout *grid, QWidget *page, const QString &currencyCaption,
                         QLineEdit *currency, QLineEdit *amount, const char *wordsName) {
    grid->addWidget(Caption(page, currencyCaption, currency), 0, 0);
    grid->addWidget(currency, 1, 0);
    grid->addWidget(Caption(page, QStringLiteral("Betrag:"), amount), 0, 1);
    grid->addWidget(amount, 1, 1);
    grid->addWidget(AmountInWordsLabel(page, wordsName, amount), 2, 0, 1, 2);
}

void AddChequePlaceRows(QGridLayout *grid, QWidget *page, int row, QLineEdit *place,
                        QLineEdit *date) {
    grid->addWidget(Caption(page, QStringLiteral("Ausstellungsort"), place), row, 0);
    grid->addWidget(Caption(page, QStringLiteral("Datum"), date), row, 1);
    grid->addWidget(place, row + 1, 0);
    grid->addWidget(date, row + 1, 1);
}

void LayOutChequePage(QWidget *page, QGridLayout *grid, platform::UiService &ui,
                      const ChequeCommands &commands) {
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(PageButtonRow(
        page, ui, {commands.close, commands.receipt, commands.printerSetUp, commands.print}));
}

void PrepareChequeFields(const platform::AppState &state, QLineEdit *amount, QLineEdit *date) {
    date->setText(state.clock().today().toString(QStringLiteral("dd.MM.yyyy")));
    amount->clear();
}

} // namespace penvaro::payments
