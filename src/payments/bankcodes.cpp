#include "bankcodes.h"

#include "platform/bankcodefile.h"
#include "platform/uiservice.h"

#include <QFile>

namespace penvaro::payments {
namespace {

std::filesystem::path ProgramBankCodeFile() {
    return QFile::encodeName(platform::BankCodeFilePath()).toStdString();
}

} // namespace

BankCodes::BankCodes(platform::UiService &ui, FileLocator locate)
    : m_ui(ui)
    , m_locate(locate ? std::move(locate) : FileLocator(ProgramBankCodeFile)) {}

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

} // namespace penvaro::payments
