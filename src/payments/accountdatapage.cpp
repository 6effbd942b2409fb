#include "accountdatapage.h"

#include "bankcodes.h"
#include "fieldnavigation.h"

#include "core/accountregister.h"
#include "core/balances.h"
#include "core/bankcodelist.h"
#include "platform/appstate.h"
#include "platform/registrystore.h"
#include "platform/settingsstore.h"
#include "platform/uiservice.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
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
    QLineEdit *const order[] = {m_kontoinhaber, m_kontonummer, m_bankleitzahl,
                                m_institut,     m_ort,         m_kontobezeichnung};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        navigation->onEnter(order[i], order[i + 1]);
    for (QLineEdit *field : {m_kontoinhaber, m_kontonummer, m_institut, m_ort, m_kontobezeichnung})
        navigation->onLeave(field, [this] { storeAccountData(); });
    navigation->onLeave(m_bankleitzahl, [this] { lookUpBank(); });
}

void AccountDataPage::showAccountData() {
    const core::Settings &own = m_state.settings();
    m_kontoinhaber->setText(Text(own.Kontoinhaber));
    m_kontonummer->setText(Text(own.Kontonummer));
    m_bankleitzahl->setText(Text(own.Bankleitzahl));
    m_bankHint->hide();
    m_institut->setText(Text(own.Institut));
    m_ort->setText(Text(own.AusstellOrt));
    m_kontobezeichnung->setText(Text(own.Kontobezeichnung));
}

void AccountDataPage::storeAccountData() {
    platform::RegistryStore &store = m_state.store();
    const QString file = m_state.currentFile();
    if (!file.isEmpty()) {
        const QString key = platform::FileSettingsKey(store, file);
        if (store.createKey(key))
            (void)store.setValues(
                key, {{QStringLiteral("Kontoinhaber"), m_kontoinhaber->text()},
                      {QStringLiteral("Kontonummer"), m_kontonummer->text()},
                      {QStringLiteral("Bankleitzahl"), m_bankleitzahl->text()},
                      {QStringLiteral("Institut"), m_institut->text()},
                      {QStringLiteral("Kontobezeichnung"), m_kontobezeichnung->text()}});
    }
    if (store.createKey(platform::ProductKey()))
        (void)store.setValue(platform::ProductKey(), QStringLiteral("AusstellOrt"), m_ort->text());

    core::Settings &own = m_state.settings();
    own.Kontoinhaber = Utf8(m_kontoinhaber);
    own.Kontonummer = Utf8(m_kontonummer);
    own.Bankleitzahl = Utf8(m_bankleitzahl);
    own.Institut = Utf8(m_institut);
    own.AusstellOrt = Utf8(m_ort);
    own.Kontobezeichnung = Utf8(m_kontobezeichnung);
    Q_EMIT accountDataStored();

    if (file.isEmpty())
        return;
    const auto balance = core::ComputeBookBalance(m_state.table());
    if (!balance) {
        m_state.ui().showFailure(Text(balance.error().message));
        return;
    }
    platform::ReportFailure(m_state.ui(), core::RecordInRegister(m_state.registerPath(), own.Datei,
                                                                 own.Kontonummer,
                                                                 own.Kontobezeichnung, *balance));
}

void AccountDataPage::lookUpBank() {
    const QString code = m_bankleitzahl->text();
    const auto name = m_bankCodes.bankName(code);
    if (!name)
        return;
    const bool unknown = name->toStdString() == core::BankNotFound;
    m_bankHint->setVisible(unknown && !code.isEmpty());
    if (!unknown)
        m_institut->setText(*name);
}

} // namespace penvaro::payments
