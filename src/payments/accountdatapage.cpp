#include "accountdatapage.h"

#include "bankcodes.h"
#include "fieldnavigation.h"

#include "core/accountregister.h"
#include "core/balances.h"
#include "core/bankcodelist.h"
#include "core/iban.h"
#include "platform/appstate.h"
#include "platform/registrystore.h"
#include "platform/settingsstore.h"
#include "platform/uiservice.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace penvaro::payments {
namespace {

QString Text(const std::string &utf8) {
    return QString::fromStdString(utf8);
}

std::string Utf8(const QLineEdit *edit) {
    return edit->text().toStdString();
}

} // namespace

AccountDataPage::AccountDataPage(platform::AppState &state, BankCodes &bankCodes, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_bankCodes(bankCodes) {
    auto *form = new QFormLayout;
    const auto edit = [this, form](const char *name, const QString &caption) {
        auto *field = new QLineEdit(this);
        field->setObjectName(QString::fromLatin1(name));
        auto *label = new QLabel(caption, this);
        label->setObjectName(QStringLiteral("L") + field->objectName().mid(1));
        label->setBuddy(field);
        form->addRow(label, field);
        return field;
    };
    m_kontoinhaber = edit("EKontoinhaber", QStringLiteral("Kontoinhaber"));
    m_kontonummer = edit("EKontonummer", QStringLiteral("Kontonummer"));
    m_bankleitzahl = edit("EBankleitzahl", QStringLiteral("Bankleitzahl"));
    m_bankleitzahl->setInputMask(QStringLiteral("00000000;-"));
    m_institut = edit("EInstitut", QStringLiteral("Institut / Bank"));
    // The name of the own bank is printed on the forms: an unknown code gets a hint, not a
    // name.
    m_bankHint = new QLabel(QStringLiteral("Bankleitzahl nicht vorhanden"), this);
    m_bankHint->setObjectName(QStringLiteral("LBankleitzahlUnbekannt"));
    m_bankHint->setStyleSheet(QStringLiteral("color: #c00000;"));
    form->addRow(QString(), m_bankHint);
    m_bankHint->hide();
    m_ort = edit("EeigenerOrt", QStringLiteral("Ausstellort"));
    m_kontobezeichnung = edit("EKontobezeichnung", QStringLiteral("Kontobezeichnung"));
    m_iban = edit("EEigeneIBAN", QStringLiteral("IBAN"));
    m_iban->setMaxLength(42);
    m_derivedNote = new QLabel(
        QStringLiteral("Aus Kontonummer und Bankleitzahl abgeleitet: bitte prüfen und bestätigen."),
        this);
    m_derivedNote->setObjectName(QStringLiteral("LIBANAbgeleitet"));
    m_derivedNote->setWordWrap(true);
    m_confirmIban = new QPushButton(QStringLiteral("IBAN bestätigen"), this);
    m_confirmIban->setObjectName(QStringLiteral("BIBANBestaetigen"));
    m_confirmIban->setAutoDefault(false);
    auto *derivedRow = new QHBoxLayout;
    derivedRow->addWidget(m_derivedNote, 1);
    derivedRow->addWidget(m_confirmIban);
    form->addRow(QString(), derivedRow);
    m_bic = edit("EEigenerBIC", QStringLiteral("BIC"));
    m_bic->setMaxLength(14);
    connect(m_confirmIban, &QPushButton::clicked, this, &AccountDataPage::confirmIban);
    connect(m_iban, &QLineEdit::textEdited, this, [this] { m_ibanConfirmed = true; });

    auto *heading = new QLabel(QStringLiteral("Die Daten Ihres Kontos für alle Formulare"), this);
    heading->setObjectName(QStringLiteral("LKontodaten"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(form);
    layout->addStretch();

    auto *navigation = new FieldNavigation(this);
    QLineEdit *const order[] = {m_kontoinhaber, m_kontonummer,      m_bankleitzahl, m_institut,
                                m_ort,          m_kontobezeichnung, m_iban,         m_bic};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        navigation->onEnter(order[i], order[i + 1]);
    for (QLineEdit *field :
         {m_kontoinhaber, m_kontonummer, m_institut, m_ort, m_kontobezeichnung, m_bic})
        navigation->onLeave(field, [this] { storeAccountData(); });
    navigation->onLeave(m_iban, [this] { leaveIban(); });
    navigation->onLeave(m_bankleitzahl, [this] { lookUpBank(); });
}

void AccountDataPage::showAccountData() {
    const core::Settings &own = m_state.settings();
    m_kontoinhaber->setText(Text(own.accountHolder));
    m_kontonummer->setText(Text(own.accountNumber));
    m_bankleitzahl->setText(Text(own.bankCode));
    m_bankHint->hide();
    m_institut->setText(Text(own.bankName));
    m_ort->setText(Text(own.chequePlace));
    m_kontobezeichnung->setText(Text(own.accountName));
    m_iban->setText(Text(core::IbanInGroups(own.iban)));
    m_bic->setText(Text(own.bic));
    m_ibanConfirmed = true;
    offerDerivedIban();
}

void AccountDataPage::offerDerivedIban() {
    const core::Settings &own = m_state.settings();
    const bool derivable = own.iban.empty() && !own.accountNumber.empty() && !own.bankCode.empty();
    const auto derived =
        derivable ? m_bankCodes.ibanFromAccount(Text(own.accountNumber), Text(own.bankCode))
                  : core::Result<std::string>(core::Error{});
    m_derivedNote->setVisible(derived.hasValue());
    m_confirmIban->setVisible(derived.hasValue());
    if (!derived)
        return;
    m_ibanConfirmed = false;
    m_iban->setText(Text(core::IbanInGroups(*derived)));
    if (const auto checked = m_bankCodes.checkIban(m_iban->text()))
        m_bic->setText(Text(checked->bic));
}

void AccountDataPage::confirmIban() {
    m_ibanConfirmed = true;
    m_derivedNote->hide();
    m_confirmIban->hide();
    leaveIban();
}

void AccountDataPage::leaveIban() {
    if (!m_iban->text().trimmed().isEmpty()) {
        const auto checked = m_bankCodes.checkIban(m_iban->text());
        if (!checked) {
            platform::ShowError(m_state.ui(), IbanMessage, Text(checked.error().message));
            m_iban->setFocus();
            return;
        }
        m_iban->setText(Text(core::IbanInGroups(checked->iban)));
        // A German bank's BIC comes from the bank code file.
        if (!checked->bic.empty())
            m_bic->setText(Text(checked->bic));
    }
    if (m_ibanConfirmed)
        storeAccountData();
}

void AccountDataPage::storeAccountData() {
    platform::RegistryStore &store = m_state.store();
    const QString file = m_state.currentFile();
    if (!file.isEmpty()) {
        const QString key = platform::FileSettingsKey(store, file);
        if (store.createKey(key))
            (void)store.setValues(key,
                                  {{QStringLiteral("Kontoinhaber"), m_kontoinhaber->text()},
                                   {QStringLiteral("Kontonummer"), m_kontonummer->text()},
                                   {QStringLiteral("Bankleitzahl"), m_bankleitzahl->text()},
                                   {QStringLiteral("Institut"), m_institut->text()},
                                   {QStringLiteral("Kontobezeichnung"), m_kontobezeichnung->text()},
                                   {QStringLiteral("IBAN"), ibanToStore()},
                                   {QStringLiteral("BIC"), bicToStore()}});
    }
    if (store.createKey(platform::ProductKey()))
        (void)store.setValue(platform::ProductKey(), QStringLiteral("AusstellOrt"), m_ort->text());

    core::Settings &own = m_state.settings();
    own.accountHolder = Utf8(m_kontoinhaber);
    own.accountNumber = Utf8(m_kontonummer);
    own.bankCode = Utf8(m_bankleitzahl);
    own.bankName = Utf8(m_institut);
    own.chequePlace = Utf8(m_ort);
    own.accountName = Utf8(m_kontobezeichnung);
    own.iban = ibanToStore().toStdString();
    own.bic = bicToStore().toStdString();
    Q_EMIT accountDataStored();

    if (file.isEmpty())
        return;
    const auto balance = core::ComputeBookBalance(m_state.table());
    if (!balance) {
        m_state.ui().showFailure(Text(balance.error().message));
        return;
    }
    platform::ReportFailure(m_state.ui(),
                            core::RecordInRegister(m_state.registerPath(), own.accountFile,
                                                   own.accountNumber, own.accountName, *balance));
}

QString AccountDataPage::ibanToStore() const {
    if (!m_ibanConfirmed)
        return Text(m_state.settings().iban);
    const std::string typed = Utf8(m_iban);
    if (core::ElectronicForm(typed).empty())
        return {};
    const auto iban = core::CheckIbanStructure(typed);
    return Text(iban ? *iban : m_state.settings().iban);
}

QString AccountDataPage::bicToStore() const {
    const std::string typed = Utf8(m_bic);
    if (core::ElectronicForm(typed).empty())
        return {};
    const auto bic = core::CheckBic(typed);
    return Text(bic ? *bic : m_state.settings().bic);
}

void AccountDataPage::lookUpBank() {
    ShowBankOfCode(m_bankCodes, m_bankleitzahl->text(), *m_bankHint, *m_institut);
}

} // namespace penvaro::payments
