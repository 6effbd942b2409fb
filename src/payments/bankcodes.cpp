#include "bankcodes.h"

#include "platform/bankcodefile.h"
#include "platform/bankmethodcheck.h"
#include "platform/uiservice.h"

#include <QFile>
#include <QLineEdit>

namespace penvaro::payments {

BankCodes::BankCodes(platform::UiService &ui, FileLocator locate)
    : m_ui(ui)
    , m_locate(locate ? std::move(locate) : [this] { return programBankCodeFile(); }) {}

std::filesystem::path BankCodes::programBankCodeFile() {
    const platform::BankCodeFileChoice chosen = platform::ChooseBankCodeFile();
    // Told once, not at every lookup of the same damaged file.
    if (!chosen.refusal.isEmpty() && chosen.refusal != m_toldRefusal)
        m_ui.showFailure(chosen.refusal);
    m_toldRefusal = chosen.refusal;
    return QFile::encodeName(chosen.path).toStdString();
}

BankCodes::~BankCodes() = default;

core::Result<core::CheckedIban> BankCodes::checkIban(const QString &typed) {
    const auto banks = m_cache.list(m_locate());
    if (!banks)
        return banks.error();
    return core::CheckIban(typed.toStdString(), **banks, methods());
}

core::Result<std::string> BankCodes::ibanFromAccount(const QString &accountNumber,
                                                     const QString &bankCode) {
    const auto banks = m_cache.list(m_locate());
    if (!banks)
        return banks.error();
    return core::IbanFromAccount(accountNumber.toStdString(), bankCode.toStdString(), **banks,
                                 methods());
}

const core::BankCodeList *BankCodes::list() {
    const auto banks = m_cache.list(m_locate());
    if (!banks) {
        m_ui.showFailure(QString::fromStdString(banks.error().message));
        return nullptr;
    }
    return *banks;
}

const core::AccountMethodCheck &BankCodes::methods() {
    if (!m_methods)
        m_methods = std::make_unique<platform::BankMethodCheck>();
    return *m_methods;
}

std::optional<QString> BankCodes::bankName(const QString &code) {
    const auto name = core::LookupBankName(m_cache, m_locate(), code.toStdString());
    if (!name) {
        m_ui.showFailure(QString::fromStdString(name.error().message));
        return std::nullopt;
    }
    return QString::fromStdString(*name);
}

std::optional<std::vector<core::BankOffice>> BankCodes::search(const QString &name,
                                                               const QString &place) {
    auto found =
        core::SearchBankCodes(m_cache, m_locate(), name.toStdString(), place.toStdString());
    if (!found) {
        m_ui.showFailure(QString::fromStdString(found.error().message));
        return std::nullopt;
    }
    return std::move(*found);
}

void ShowBankOfCode(BankCodes &bankCodes, const QString &code, QWidget &hint, QLineEdit &bank) {
    const auto name = bankCodes.bankName(code);
    if (!name)
        return;
    const bool unknown = name->toStdString() == core::BankNotFound;
    hint.setVisible(unknown && !code.isEmpty());
    if (!unknown)
        bank.setText(*name);
}

} // namespace penvaro::payments
