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

    const ChequeCommands commands =
        MakeChequeCommands(this, m_printer, {"Button9", "Button11", "Button3", "Button6"});
    connect(commands.receipt, &QPushButton::clicked, this, &EuroChequePage::printReceipt);
    connect(commands.print, &QPushButton::clicked, this, &EuroChequePage::print);
    connect(commands.close, &QPushButton::clicked, this, &EuroChequePage::closeRequested);

    auto *grid = new QGridLayout;
    AddChequeAmountRows(grid, this, QStringLiteral("Währung"), m_currency, m_amount, "Label21");
    grid->addWidget(Caption(this, QStringLiteral("Empfänger"), m_payee), 3, 0, 1, 2);
    grid->addWidget(m_payee, 4, 0, 1, 2);
    AddChequePlaceRows(grid, this, 5, m_place, m_date);
    LayOutChequePage(this, grid, state.ui(), commands);

    auto *navigation = new FieldNavigation(this);
    QWidget *const order[] = {m_currency, m_amount, m_payee, m_place, m_date, commands.print};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        navigation->onEnter(order[i], order[i + 1]);
}

void EuroChequePage::prepare() {
    PrepareChequeFields(m_state, m_amount, m_date);
    takePlaceOfIssue();
    m_payee->clear();
    m_currency->setText(QStringLiteral("EUR"));
}

void EuroChequePage::takePlaceOfIssue() {
    m_place->setText(QString::fromStdString(m_state.settings().chequePlace));
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
