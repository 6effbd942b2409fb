#include "sepatransferpanel.h"

#include "bankcodes.h"
#include "fieldnavigation.h"
#include "girocodedialog.h"
#include "pagebuttons.h"
#include "paymentprinter.h"
#include "sepafields.h"

#include "core/date.h"
#include "core/epcqrpayload.h"
#include "core/iban.h"
#include "core/sepacountries.h"
#include "core/sepaform.h"
#include "platform/accountsession.h"
#include "platform/appstate.h"
#include "platform/chosenfilename.h"
#include "platform/girocode.h"
#include "platform/paymentrecall.h"
#include "platform/sepapayment.h"
#include "platform/uiservice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace penvaro::payments {
namespace {

QString qt(const std::string &text) {
    return QString::fromStdString(text);
}

QString euro(std::int64_t amount) {
    return QString::fromStdString(core::GermanAmountText(amount));
}

// The columns of the collected transfers.
constexpr int AmountColumn = 2;

} // namespace

SepaTransferPanel::SepaTransferPanel(platform::AppState &state, BankCodes &bankCodes,
                                     PaymentPrinter &printer, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_bankCodes(bankCodes)
    , m_printer(printer)
    , m_name(new QComboBox(this))
    , m_ibanCheck(IbanCheckLabel(this))
    , m_keepTemplate(new QCheckBox(QStringLiteral("Als Überweisungsvorlage speichern"), this))
    , m_collectedList(new QTreeWidget(this)) {
    m_keepTemplate->setObjectName(QStringLiteral("CBSepaVorlage"));
    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    m_name->setObjectName(QStringLiteral("ESepaEmpfaenger"));
    m_name->setEditable(true);
    m_name->setInsertPolicy(QComboBox::NoInsert);
    m_name->lineEdit()->setMaxLength(static_cast<int>(core::SepaNameLength));
    m_name->lineEdit()->setPlaceholderText(
        QStringLiteral("höchstens 70 Zeichen, auf dem Vordruck 27"));
    auto *nameLabel = new QLabel(QStringLiteral("Empfänger (Name, Vorname / Firma)"), this);
    nameLabel->setObjectName(QStringLiteral("LSepaEmpfaenger"));
    nameLabel->setBuddy(m_name);
    form->addRow(nameLabel, m_name);
    // Short labels keep each row one line high; the limits show in the empty field.
    const auto field = [&](const char *name, const QString &caption, int maxLength,
                           const QString &hint) {
        return AddSepaField(*form, this, name, caption, maxLength, hint);
    };
    // Typed with or without blanks: the longest IBAN in groups of four.
    m_iban = field("EIBAN", QStringLiteral("IBAN"), 42,
                   QStringLiteral("mit oder ohne Leerzeichen, z. B. DE89 3704 0044 0532 0130 00"));
    form->addRow(QString(), m_ibanCheck);
    m_bic = field("EBIC", QStringLiteral("BIC"), 14, QStringLiteral("im EWR nicht nötig"));
    m_amount = field("ESepaBetrag", QStringLiteral("Betrag in Euro"), 20,
                     QStringLiteral("z. B. 1.234,56"));
    m_purpose = field("ESepaVerwendung", QStringLiteral("Verwendungszweck"),
                      static_cast<int>(core::SepaPurposeLength),
                      QStringLiteral("höchstens 140 Zeichen, auf dem Vordruck 2 × 27"));
    m_execution = field("ESepaAusfuehrung", QStringLiteral("Ausführungsdatum"), 10,
                        QStringLiteral("TT.MM.JJJJ, leer: sofort"));

    QPushButton *giroCode = PageButton(this, "BGiroCode", QStringLiteral("GiroCode"));
    QPushButton *collect = PageButton(this, "BSammelauftrag", QStringLiteral("Zum Sammelauftrag"));
    QPushButton *file = PageButton(this, "BSepaDatei", QStringLiteral("SEPA-Datei"));
    QPushButton *receipt = PageButton(this, "BSepaQuittung", QStringLiteral("Quittung drucken"));
    QPushButton *printerSetUp = PageButton(this, "BSepaDrucker", QStringLiteral("Drucker ändern"));
    QPushButton *print = PageButton(this, "BSepaDrucken", QStringLiteral("Drucken"));
    connect(giroCode, &QPushButton::clicked, this, &SepaTransferPanel::showGiroCode);
    connect(collect, &QPushButton::clicked, this, &SepaTransferPanel::collect);
    connect(file, &QPushButton::clicked, this, &SepaTransferPanel::writeFile);
    connect(receipt, &QPushButton::clicked, this, &SepaTransferPanel::printReceipt);
    connect(printerSetUp, &QPushButton::clicked, this, [this] { m_printer.setUp(this); });
    connect(print, &QPushButton::clicked, this, &SepaTransferPanel::print);

    m_collectedList->setObjectName(QStringLiteral("LBSammelauftrag"));
    m_collectedList->setRootIsDecorated(false);
    m_collectedList->setHeaderLabels({QStringLiteral("Empfänger"), QStringLiteral("IBAN"),
                                      QStringLiteral("Betrag in Euro"),
                                      QStringLiteral("Ausführung"), QStringLiteral("Stand")});
    // The header and four transfers; more scroll.
    m_collectedList->setMaximumHeight(m_collectedList->fontMetrics().height() * 7);
    auto *collectedLabel =
        new QLabel(QStringLiteral("Sammelauftrag: die nächste SEPA-Datei enthält alle noch nicht "
                                  "geschriebenen Überweisungen"),
                   this);
    collectedLabel->setObjectName(QStringLiteral("LSammelauftrag"));
    collectedLabel->setBuddy(m_collectedList);
    collectedLabel->setWordWrap(true);
    collectedLabel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(form);
    layout->addWidget(m_keepTemplate);
    layout->addWidget(collectedLabel);
    layout->addWidget(m_collectedList);
    layout->addStretch();
    layout->addLayout(
        PageButtonRow(this, state.ui(), {giroCode, collect, file, receipt, printerSetUp, print}));

    connect(m_iban, &QLineEdit::textChanged, this, &SepaTransferPanel::showIbanCheck);
    m_collectedFor = m_state.settings().accountFile;
    connect(&m_state.session(), &platform::AccountSession::accountOpened, this,
            &SepaTransferPanel::followAccount);
    auto *navigation = new FieldNavigation(this);
    navigation->onEnter(m_name, m_iban);
    navigation->onEnter(m_iban, m_bic);
    navigation->onEnter(m_bic, m_amount);
    navigation->onEnter(m_amount, m_purpose);
    navigation->onEnter(m_purpose, m_execution);
    navigation->onEnter(m_execution, giroCode);
    navigation->onLeave(m_name, [this] { recallRecipient(m_name->currentText()); });
    navigation->onLeave(m_iban, [this] { leaveIban(); });
    connect(m_name, &QComboBox::activated, this,
            [this](int index) { recallRecipient(m_name->itemText(index)); });
}

void SepaTransferPanel::prepare(const QStringList &recipients) {
    clearTransfer();
    m_name->clear();
    m_name->addItems(recipients);
    m_name->setEditText(QString());
    showCollected();
}

void SepaTransferPanel::clearTransfer() {
    m_name->setEditText(QString());
    for (QLineEdit *edit : {m_iban, m_bic, m_amount, m_purpose, m_execution})
        edit->clear();
    m_ibanCheck->clear();
    m_bankName.clear();
}

void SepaTransferPanel::recallRecipient(const QString &name) {
    if (name.isEmpty())
        return;
    const platform::RememberedRecipient recalled = platform::RecallRecipient(m_state, name);
    QString iban = recalled.iban;
    // A recipient of the written forms has an account number and bank code only.
    if (iban.isEmpty() && !recalled.Kontonr.isEmpty() && !recalled.BLZ.isEmpty()) {
        if (const auto derived = m_bankCodes.ibanFromAccount(recalled.Kontonr, recalled.BLZ))
            iban = qt(*derived);
    }
    if (iban.isEmpty())
        return;
    m_iban->setText(qt(core::IbanInGroups(core::ElectronicForm(iban.toStdString()))));
    m_bic->setText(recalled.bic);
    leaveIban();
}

void SepaTransferPanel::showTemplate(const core::SepaTemplate &sepa) {
    clearTransfer();
    m_name->setEditText(qt(sepa.name));
    m_iban->setText(qt(sepa.iban));
    m_bic->setText(qt(sepa.bic));
    m_amount->setText(qt(sepa.amount));
    m_purpose->setText(qt(sepa.purpose));
    m_execution->setText(qt(sepa.execution));
    leaveIban();
}

void SepaTransferPanel::setTemplatesAvailable(bool available) {
    m_keepTemplate->setEnabled(available);
    if (!available)
        m_keepTemplate->setChecked(false);
}

void SepaTransferPanel::keepAsTemplate() {
    if (!m_keepTemplate->isChecked())
        return;
    const core::SepaTemplate sepa{m_name->currentText().toStdString(),
                                  core::ElectronicForm(m_iban->text().toStdString()),
                                  core::ElectronicForm(m_bic->text().toStdString()),
                                  m_amount->text().trimmed().toStdString(),
                                  m_purpose->text().toStdString(),
                                  m_execution->text().trimmed().toStdString()};
    Q_EMIT keptAsTemplate(core::SepaTemplateRecord(sepa));
}

void SepaTransferPanel::showIbanCheck() {
    m_ibanCheck->setText(IbanCheckText(m_bankCodes, m_iban->text()));
    // A BIC taken from the bank code file belongs to the IBAN it was found for; kept, it
    // would send the money for another IBAN to that bank.
    if (m_bic->isReadOnly()) {
        m_bic->clear();
        m_bic->setReadOnly(false);
    }
}

void SepaTransferPanel::leaveIban() {
    const auto checked = m_bankCodes.checkIban(m_iban->text());
    if (!checked)
        return;
    m_iban->setText(qt(core::IbanInGroups(checked->iban)));
    // A German bank's BIC comes from the bank code file and is not typed; a BIC typed for a
    // bank in another country than the IBAN's is no longer the recipient's.
    const bool fromFile = !checked->bic.empty();
    const std::string typedBic = core::ElectronicForm(m_bic->text().toStdString());
    if (fromFile)
        m_bic->setText(qt(checked->bic));
    else if (typedBic.size() >= 6
             && !core::BicFitsIbanCountry(typedBic.substr(4, 2), checked->iban.substr(0, 2)))
        m_bic->clear();
    m_bic->setReadOnly(fromFile);
}

void SepaTransferPanel::refuse(Message code, const std::string &message, QWidget *field) {
    RefuseSepaField(m_state.ui(), code, message, field);
}

std::optional<core::SepaTransfer> SepaTransferPanel::checkedTransfer() {
    const auto checked = CheckSepaFields(m_state.ui(), m_bankCodes,
                                         {{m_name->currentText(), m_name},
                                          {m_iban->text(), m_iban},
                                          {m_bic->text(), m_bic},
                                          {m_amount->text(), m_amount},
                                          {m_purpose->text(), m_purpose}},
                                         EmptyAmount::Refused);
    if (!checked)
        return std::nullopt;
    core::SepaTransfer transfer;
    transfer.name = checked->name;
    transfer.iban = checked->iban;
    transfer.bic = checked->bic;
    transfer.amount = checked->amount.value();
    transfer.purpose = checked->purpose;
    const QString executionText = m_execution->text().trimmed();
    if (!executionText.isEmpty()) {
        const auto execution = core::ParseDate(executionText.toStdString());
        if (!execution) {
            refuse(ExecutionMessage,
                   "Das Ausführungsdatum " + executionText.toStdString()
                       + " ist kein Datum (TT.MM.JJJJ).",
                   m_execution);
            return std::nullopt;
        }
        if (*execution < m_state.today()) {
            refuse(ExecutionMessage, "Das Ausführungsdatum liegt in der Vergangenheit.",
                   m_execution);
            return std::nullopt;
        }
        transfer.execution = *execution;
    }
    m_bankName = checked->bankName;
    return transfer;
}

std::optional<core::SepaDebtor> SepaTransferPanel::debtor() {
    const core::BankCodeList *banks = m_bankCodes.list();
    if (!banks)
        return std::nullopt;
    auto own = platform::AccountDebtor(m_state.settings(), *banks, m_bankCodes.methods());
    if (!own) {
        refuse(AccountDataMessage,
               own.error().message + " Bitte ergänzen Sie die Seite „Kontodaten“.", nullptr);
        return std::nullopt;
    }
    return *own;
}

void SepaTransferPanel::showGiroCode() {
    const auto transfer = checkedTransfer();
    if (!transfer)
        return;
    const auto payload = core::EpcQrPayload(*transfer);
    if (!payload) {
        refuse(PurposeMessage, payload.error().message, m_purpose);
        return;
    }
    const auto modules = platform::GiroCodeModules(*payload);
    if (!modules) {
        m_state.ui().showFailure(qt(modules.error().message));
        return;
    }
    if (platform::BookSepaTransfer(m_state, *transfer, m_bankName)
        != platform::PaymentOutcome::Booked)
        return;
    const QStringList lines{qt(transfer->name), qt(core::IbanInGroups(transfer->iban)),
                            euro(transfer->amount) + QStringLiteral(" EUR"), qt(transfer->purpose)};
    keepAsTemplate();
    GiroCodeDialog dialog(m_state.ui(), *modules, lines, m_printer, this);
    m_state.ui().runModal(dialog);
    clearTransfer();
}

void SepaTransferPanel::followAccount() {
    const std::string &file = m_state.settings().accountFile;
    if (file == m_collectedFor)
        return;
    if (!m_collected.empty())
        m_collectedElsewhere[m_collectedFor] = std::move(m_collected);
    m_collected.clear();
    if (const auto own = m_collectedElsewhere.find(file); own != m_collectedElsewhere.end()) {
        m_collected = std::move(own->second);
        m_collectedElsewhere.erase(own);
    }
    m_collectedFor = file;
    showCollected();
}

void SepaTransferPanel::collect() {
    const auto transfer = checkedTransfer();
    if (!transfer)
        return;
    m_collected.push_back({*transfer, m_bankName, false});
    showCollected();
    keepAsTemplate();
    clearTransfer();
    m_name->setFocus();
}

void SepaTransferPanel::writeFile() {
    std::vector<std::size_t> pending;
    for (std::size_t i = 0; i < m_collected.size(); ++i)
        if (!m_collected[i].written)
            pending.push_back(i);
    // Without a collection the file holds the transfer on the form.
    if (pending.empty()) {
        const auto transfer = checkedTransfer();
        if (!transfer)
            return;
        m_collected.push_back({*transfer, m_bankName, false});
        pending.push_back(m_collected.size() - 1);
        clearTransfer();
    }
    const auto own = debtor();
    if (!own)
        return;
    const QString type = QStringLiteral("SEPA-Datei (*.xml)");
    const QString path = platform::WithChosenExtension(
        m_state.ui().saveFileName(QStringLiteral("SEPA-Datei speichern"), type), type);
    if (path.isEmpty())
        return showCollected();
    std::vector<core::SepaTransfer> transfers;
    std::vector<QString> bankNames;
    for (std::size_t i : pending) {
        transfers.push_back(m_collected[i].transfer);
        bankNames.push_back(m_collected[i].bankName);
    }
    if (platform::WriteSepaTransfers(m_state, path, *own, transfers, bankNames)) {
        for (std::size_t i : pending)
            m_collected[i].written = true;
    }
    showCollected();
}

void SepaTransferPanel::print() {
    const auto transfer = checkedTransfer();
    if (!transfer)
        return;
    if (auto fits = core::FitsSepaPaperForm(*transfer); !fits) {
        refuse(PaperFormMessage, fits.error().message, m_purpose);
        return;
    }
    const auto own = debtor();
    if (!own)
        return;
    const core::FormPage page = core::SepaTransferFormPage(*transfer, *own, m_state.today());
    bool booked = false;
    m_printer.print([&](core::Canvas &canvas) {
        booked = platform::PrintSepaTransfer(m_state, canvas, page, *transfer, m_bankName)
                 == platform::PaymentOutcome::Booked;
    });
    if (!booked)
        return;
    keepAsTemplate();
    clearTransfer();
}

void SepaTransferPanel::printReceipt() {
    const auto transfer = checkedTransfer();
    if (!transfer)
        return;
    const auto own = debtor();
    if (!own)
        return;
    const core::FormPage receipt = core::SepaTransferReceiptPage(*transfer, *own, m_state.today());
    m_printer.print(
        [&](core::Canvas &canvas) { platform::PrintReceipt(m_state, canvas, receipt); });
}

void SepaTransferPanel::showCollected() {
    m_collectedList->clear();
    for (const Collected &entry : m_collected) {
        const QString execution = entry.transfer.execution > 0
                                      ? qt(core::FormatDate(entry.transfer.execution))
                                      : QStringLiteral("sofort");
        auto *item = new QTreeWidgetItem(
            m_collectedList, {qt(entry.transfer.name), qt(core::IbanInGroups(entry.transfer.iban)),
                              euro(entry.transfer.amount), execution,
                              entry.written ? QStringLiteral("geschrieben") : QString()});
        item->setTextAlignment(AmountColumn, Qt::AlignRight | Qt::AlignVCenter);
        if (entry.written)
            item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
    }
    for (int column = 0; column < m_collectedList->columnCount(); ++column)
        m_collectedList->resizeColumnToContents(column);
}

} // namespace penvaro::payments
