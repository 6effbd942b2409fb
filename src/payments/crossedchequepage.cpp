#include "crossedchequepage.h"

#include "chequefields.h"
#include "fieldnavigation.h"
#include "pagebuttons.h"
#include "paymentcheck.h"
#include "paymentprinter.h"

#include "platform/appstate.h"
#include "platform/paymentprinting.h"
#include "platform/paymentrecall.h"
#include "platform/uiservice.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace penvaro::payments {

CrossedChequePage::CrossedChequePage(platform::AppState &state, PaymentPrinter &printer,
                                     QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_printer(printer)
    , m_currency(ChequeEdit(this, "xEDMEUR", ChequeCurrencyLength))
    , m_amount(ChequeEdit(this, "xEBetrag", ChequeAmountLength))
    , m_payee(new QComboBox(this))
    , m_payeeLines{ChequeEdit(this, "EEmpfaenger2", ChequePayeeLength),
                   ChequeEdit(this, "EEmpfaenger3", ChequePayeeLength),
                   ChequeEdit(this, "EEmpfaenger4", ChequePayeeLength)}
    , m_place(ChequeEdit(this, "EOrt", ChequePlaceLength))
    , m_date(ChequeEdit(this, "EDatum", ChequeDateLength)) {
    m_currency->setText(QStringLiteral("EUR"));
    TypeInCapitals(m_currency);
    TypeInCapitals(m_amount);
    m_payee->setObjectName(QStringLiteral("EEmpfaenger1"));
    m_payee->setEditable(true);
    m_payee->setInsertPolicy(QComboBox::NoInsert);
    m_payee->setFont(m_currency->font());
    m_payee->lineEdit()->setMaxLength(ChequePayeeLength);
    for (std::size_t i = 0; i < m_payeeLines.size(); ++i)
        m_payeeLines[i]->setAccessibleName(QStringLiteral("Empfänger, Zeile %1").arg(i + 2));

    const ChequeCommands commands =
        MakeChequeCommands(this, m_printer, {"Button8", "Button10", "Button5", "Button4"});
    connect(commands.receipt, &QPushButton::clicked, this, &CrossedChequePage::printReceipt);
    connect(commands.print, &QPushButton::clicked, this, &CrossedChequePage::print);
    connect(commands.close, &QPushButton::clicked, this, &CrossedChequePage::closeRequested);

    auto *grid = new QGridLayout;
    AddChequeAmountRows(grid, this, QStringLiteral("DM / EURO"), m_currency, m_amount, "Label15");
    grid->addWidget(
        Caption(this, QStringLiteral("Empfänger (jeweils maximal 27 Zeichen)"), m_payee), 3, 0, 1,
        2);
    grid->addWidget(m_payee, 4, 0, 1, 2);
    int row = 5;
    for (QLineEdit *line : m_payeeLines)
        grid->addWidget(line, row++, 0, 1, 2);
    AddChequePlaceRows(grid, this, row, m_place, m_date);
    LayOutChequePage(this, grid, state.ui(), commands);

    auto *navigation = new FieldNavigation(this);
    QWidget *const order[] = {m_currency,      m_amount, m_payee, m_payeeLines[0], m_payeeLines[1],
                              m_payeeLines[2], m_place,  m_date,  commands.print};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        navigation->onEnter(order[i], order[i + 1]);
    navigation->onLeave(m_payee, [this] { recallPayee(); });
    connect(m_payee, &QComboBox::activated, this, &CrossedChequePage::recallPayee);
}

void CrossedChequePage::prepare() {
    PrepareChequeFields(m_state, m_amount, m_date);
    takePlaceOfIssue();
    m_payee->clear();
    m_payee->setEditText(QString());
    for (QLineEdit *line : m_payeeLines)
        line->clear();
    m_filledLines = {};
    m_payee->addItems(platform::PayeeNames(m_state));
    m_payee->setEditText(QString());
}

void CrossedChequePage::takePlaceOfIssue() {
    m_place->setText(QString::fromStdString(m_state.settings().chequePlace));
}

core::CrossedCheque CrossedChequePage::order() const {
    const auto text = [](const QLineEdit *edit) { return edit->text().toStdString(); };
    return {text(m_currency),
            text(m_amount),
            {m_payee->currentText().toStdString(), text(m_payeeLines[0]), text(m_payeeLines[1]),
             text(m_payeeLines[2])},
            text(m_place),
            text(m_date)};
}

// Only a remembered payee fills the further lines, and lines the user typed are replaced only
// when they agree.
void CrossedChequePage::recallPayee() {
    const platform::PayeeLines recalled = platform::RecallPayee(m_state, m_payee->currentText());
    const platform::PayeeLines shown = payeeLines();
    if (recalled == platform::PayeeLines{} || recalled == shown)
        return;
    if (shown != m_filledLines && shown != platform::PayeeLines{}
        && m_state.ui().askYesNo(
               QStringLiteral("Für „%1“ sind andere weitere Zeilen gespeichert: „%2“, „%3“, „%4“. "
                              "Sollen sie die eingegebenen ersetzen?")
                   .arg(m_payee->currentText(), recalled[0], recalled[1], recalled[2]),
               platform::Answer::No)
               == platform::Answer::No)
        return;
    for (std::size_t i = 0; i < m_payeeLines.size(); ++i)
        m_payeeLines[i]->setText(recalled[i]);
    m_filledLines = recalled;
}

platform::PayeeLines CrossedChequePage::payeeLines() const {
    platform::PayeeLines lines;
    for (std::size_t i = 0; i < m_payeeLines.size(); ++i)
        lines[i] = m_payeeLines[i]->text();
    return lines;
}

void CrossedChequePage::print() {
    const core::CrossedCheque cheque = order();
    if (!ReadyToPrint(m_state, *m_amount, core::CrossedChequeBookingInput(cheque, m_state.today())))
        return;
    m_printer.print(
        [&](core::Canvas &canvas) { platform::PrintCrossedCheque(m_state, canvas, cheque); });
}

void CrossedChequePage::printReceipt() {
    const core::FormPage receipt = core::CrossedChequeReceiptPage(order());
    m_printer.print(
        [&](core::Canvas &canvas) { platform::PrintReceipt(m_state, canvas, receipt); });
}

} // namespace penvaro::payments
