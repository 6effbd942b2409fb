#include "transferpage.h"

#include "pagebuttons.h"
#include "paymentcheck.h"
#include "paymentprinter.h"
#include "sepatransferpanel.h"
#include "transferform.h"

#include "platform/appstate.h"
#include "platform/paymentprinting.h"
#include "platform/paymentrecall.h"
#include "platform/uiservice.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace penvaro::payments {

TransferPage::TransferPage(platform::AppState &state, BankCodes &bankCodes,
                           BankCodeSearchDialog &search, PaymentPrinter &printer, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_sepaKind(new QRadioButton(QStringLiteral("SEPA-Überweisung"), this))
    , m_writtenKind(
          new QRadioButton(QStringLiteral("Vordruck mit Formularnummer (vor 2016)"), this))
    , m_kinds(new QStackedWidget(this))
    , m_sepa(new SepaTransferPanel(state, bankCodes, printer, this))
    , m_printer(printer)
    , m_form(new TransferForm(TransferForm::Kind::Page, state.settings(), bankCodes, search, this))
    , m_saveAsTemplate(new QCheckBox(QStringLiteral("Als Überweisungsvorlage speichern"), this)) {
    m_saveAsTemplate->setObjectName(QStringLiteral("CBUeberwSave"));
    connect(m_form, &TransferForm::recipientChosen, this, &TransferPage::recallRecipient);
    connect(m_sepa, &SepaTransferPanel::keptAsTemplate, this, &TransferPage::printedAsTemplate);

    QPushButton *receipt = PageButton(this, "Button7", QStringLiteral("Quittung drucken"));
    QPushButton *printerSetUp = PageButton(this, "Button2", QStringLiteral("Drucker ändern"));
    QPushButton *print = PageButton(this, "Button1", QStringLiteral("Drucken"));
    connect(receipt, &QPushButton::clicked, this, &TransferPage::printReceipt);
    connect(printerSetUp, &QPushButton::clicked, this, [this] { m_printer.setUp(this); });
    connect(print, &QPushButton::clicked, this, &TransferPage::print);
    m_form->setConfirmButton(print);

    m_sepaKind->setObjectName(QStringLiteral("RBSepa"));
    m_writtenKind->setObjectName(QStringLiteral("RBVordruck"));
    auto *kinds = new QButtonGroup(this);
    kinds->addButton(m_sepaKind);
    kinds->addButton(m_writtenKind);
    m_sepaKind->setChecked(true);
    connect(kinds, &QButtonGroup::buttonToggled, this, [this] { showKind(); });

    auto *written = new QWidget(this);
    written->setObjectName(QStringLiteral("PVordruck"));
    auto *writtenLayout = new QVBoxLayout(written);
    writtenLayout->setContentsMargins(0, 0, 0, 0);
    writtenLayout->addWidget(m_form);
    writtenLayout->addWidget(m_saveAsTemplate);
    writtenLayout->addLayout(PageButtonRow(this, state.ui(), {receipt, printerSetUp, print}));
    m_kinds->addWidget(m_sepa);
    m_kinds->addWidget(written);

    auto *kindRow = new QHBoxLayout;
    kindRow->addWidget(m_sepaKind);
    kindRow->addWidget(m_writtenKind);
    kindRow->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(kindRow);
    layout->addWidget(m_kinds);
}

void TransferPage::showKind() {
    m_kinds->setCurrentIndex(m_sepaKind->isChecked() ? 0 : 1);
}

void TransferPage::prepare() {
    m_saveAsTemplate->setChecked(false);
    // One reading of the memory for both forms, so that a store that cannot be read is
    // reported once.
    const QStringList names = platform::RecipientNames(m_state);
    m_sepaKind->setChecked(true);
    m_sepa->prepare(names);
    m_form->clearOrder();
    m_form->setRecipientNames(names);
    m_form->chooseFormType(20);
}

void TransferPage::useTemplate(const core::SavedTransferRecord &record) {
    if (record.Formular == core::SepaTemplateForm) {
        m_sepaKind->setChecked(true);
        m_sepa->showTemplate(core::SepaTemplateOf(record));
        return;
    }
    m_writtenKind->setChecked(true);
    m_form->selectFormType(record.Formular);
    m_form->showTemplate(record);
}

void TransferPage::takeAccountData() {
    m_form->takeChangedAccountData();
}

void TransferPage::setTemplatesAvailable(bool available) {
    m_sepa->setTemplatesAvailable(available);
    m_saveAsTemplate->setEnabled(available);
    if (!available)
        m_saveAsTemplate->setChecked(false);
}

core::TransferOrder TransferPage::order() const {
    return m_form->order();
}

bool TransferPage::saveAsTemplate() const {
    return m_saveAsTemplate->isChecked();
}

void TransferPage::templateSaved() {
    m_saveAsTemplate->setChecked(false);
}

// Only a remembered recipient fills the bank data, and what the user typed or picked is
// replaced only when they agree.
void TransferPage::recallRecipient(const QString &name) {
    const platform::RememberedRecipient recalled = platform::RecallRecipient(m_state, name);
    const TransferForm::RecipientAccount remembered{recalled.Kontonr, recalled.BLZ,
                                                    recalled.Institut};
    if (remembered == TransferForm::RecipientAccount{} || remembered == m_form->recipientAccount())
        return;
    if (m_form->recipientAccountIsTheUsers()
        && m_state.ui().askYesNo(
               QStringLiteral("Für „%1“ ist eine andere Bankverbindung gespeichert: Konto-Nr. "
                              "%2, Bankleitzahl %3 (%4). Soll sie die eingegebene ersetzen?")
                   .arg(name, remembered.kontonr, remembered.blz, remembered.bank),
               platform::Answer::No)
               == platform::Answer::No)
        return;
    m_form->setRecipientAccount(remembered);
}

void TransferPage::print() {
    const core::TransferOrder typed = order();
    if (!ReadyToPrint(m_state, m_form->amountEdit(),
                      core::TransferBookingInput(typed, m_state.today())))
        return;
    const bool keep = saveAsTemplate();
    m_printer.print([&](core::Canvas &canvas) {
        const platform::PaymentOutcome outcome = platform::PrintTransfer(m_state, canvas, typed);
        if (outcome == platform::PaymentOutcome::Booked && keep)
            Q_EMIT printedAsTemplate(m_form->toTemplate());
    });
}

void TransferPage::printReceipt() {
    const core::FormPage receipt = core::TransferReceiptPage(order());
    m_printer.print(
        [&](core::Canvas &canvas) { platform::PrintReceipt(m_state, canvas, receipt); });
}

} // namespace penvaro::payments
