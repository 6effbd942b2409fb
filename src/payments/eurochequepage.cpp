#include "eurochequepage.h"

#include "chequefields.h"
#include "fieldnavigation.h"
#include "pagebuttons.h"
#include "paymentcheck.h"
#include "paymentprinter.h"

#include "platform/appstate.h"
#include "platform/paymentprinting.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace penvaro::payments {

EuroChequePage::EuroChequePage(platform::AppState &state, PaymentPrinter &printer, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_printer(printer)
    , m_currency(ChequeEdit(this, "EWaehrungE", ChequeCurrencyLength))
    , m_amount(ChequeEdit(this, "EBetragE", ChequeAmountLength))
    , m_payee(ChequeEdit(this, "EEmpfaengerE", ChequePayeeLength))
    , m_place(ChequeEdit(this, "EOrtE", ChequePlaceLength))
    , m_date(ChequeEdit(this, "EDatumE", ChequeDateLength)) {
    m_currency->setText(QStringLiteral("EUR"));
    TypeInCapitals(m_currency);
    TypeInCapitals(m_amount);

    QPushButton *close = PageButton(this, "Button9", QStringLiteral("Schließen"));
    QPushButton *receipt = PageButton(this, "Button11", QStringLiteral("Quittung drucken"));
    QPushButton *printerSetUp = PageButton(this, "Button3", QStringLiteral("Drucker ändern"));
    QPushButton *print = PageButton(this, "Button6", QStringLiteral("Drucken"));
    connect(receipt, &QPushButton::clicked, this, &EuroChequePage::printReceipt);
    connect(printerSetUp, &QPushButton::clicked, this, [this] { m_printer.setUp(this); });
    connect(print, &QPushButton::clicked, this, &EuroChequePage::print);
    connect(close, &QPushButton::clicked, this, &EuroChequePage::closeRequested);

    auto *grid = new QGridLayout;
    grid->addWidget(Caption(this, QStringLiteral("Währung"), m_currency), 0, 0);
    grid->addWidget(m_currency, 1, 0);
    grid->addWidget(Caption(this, QStringLiteral("Betrag:"), m_amount), 0, 1);
    grid->addWidget(m_amount, 1, 1);
    grid->addWidget(AmountInWordsLabel(this, "Label21", m_amount), 2, 0, 1, 2);
    grid->addWidget(Caption(this, QStringLiteral("Empfänger"), m_payee), 3, 0, 1, 2);
    grid->addWidget(m_payee, 4, 0, 1, 2);
    grid->addWidget(Caption(this, QStringLiteral("Ausstellungsort"), m_place), 5, 0);
    grid->addWidget(Caption(this, QStringLiteral("Datum"), m_date), 5, 1);
    grid->addWidget(m_place, 6, 0);
    grid->addWidget(m_date, 6, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(PageButtonRow(this, state.ui(), {close, receipt, printerSetUp, print}));

    auto *navigation = new FieldNavigation(this);
    QWidget *const order[] = {m_currency, m_amount, m_payee, m_place, m_date, print};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        navigation->onEnter(order[i], order[i + 1]);
}

void EuroChequePage::prepare() {
    m_date->setText(m_state.clock().today().toString(QStringLiteral("dd.MM.yyyy")));
    m_amount->clear();
    m_payee->clear();
    m_currency->setText(QStringLiteral("EUR"));
    takePlaceOfIssue();
}

void EuroChequePage::takePlaceOfIssue() {
    m_place->setText(QString::fromStdString(m_state.settings().AusstellOrt));
}

core::EuroCheque EuroChequePage::order() const {
    const auto text = [](const QLineEdit *edit) { return edit->text().toStdString(); };
    return {text(m_currency), text(m_amount), text(m_payee), text(m_place), text(m_date)};
}

void EuroChequePage::print() {
    const core::EuroCheque cheque = order();
    if (!ReadyToPrint(m_state, *m_amount, core::EuroChequeBookingInput(cheque, m_state.today())))
        return;
    m_printer.print(
        [&](core::Canvas &canvas) { platform::PrintEuroCheque(m_state, canvas, cheque); });
}

void EuroChequePage::printReceipt() {
    const core::FormPage receipt = core::EuroChequeReceiptPage(order());
    m_printer.print(
        [&](core::Canvas &canvas) { platform::PrintReceipt(m_state, canvas, receipt); });
}

} // namespace penvaro::payments
