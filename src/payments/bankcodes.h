#pragma once

#include "core/bankcodecache.h"
#include "core/bankcodelist.h"
#include "core/iban.h"

#include <QString>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QLineEdit;
class QWidget;

namespace penvaro::platform {
class BankMethodCheck;
class UiService;
} // namespace penvaro::platform

namespace penvaro::payments {

// The bank code file as every window of the payments reads it: kept in memory between
// lookups and read again when it changed; a file that cannot be read is reported to the user.
class BankCodes {
public:
    using FileLocator = std::function<std::filesystem::path()>;

    // Without a locator the file is the one the program uses (data folder, else shipped).
    explicit BankCodes(platform::UiService &ui, FileLocator locate = {});
    ~BankCodes();

    // The bank's short name, "nicht vorhanden" for an unknown or incomplete code, nothing
    // after reporting an unreadable file: the field that would show the name stays as it was.
    std::optional<QString> bankName(const QString &code);
    std::optional<std::vector<core::BankOffice>> search(const QString &name, const QString &place);

    // An IBAN as typed, checked with the bank code file and the banks' methods; an unreadable
    // bank code file is the error.
    core::Result<core::CheckedIban> checkIban(const QString &typed);
    // The German IBAN of an account number and bank code.
    core::Result<std::string> ibanFromAccount(const QString &accountNumber,
                                              const QString &bankCode);
    // The list itself, for checks that need it; nothing after reporting an unreadable file.
    const core::BankCodeList *list();
    // The banks' check methods, read when first needed.
    const core::AccountMethodCheck &methods();

private:
    std::filesystem::path programBankCodeFile();

    platform::UiService &m_ui;
    QString m_toldRefusal;
    std::unique_ptr<platform::BankMethodCheck> m_methods;
    FileLocator m_locate;
    core::BankCodeCache m_cache;
};

// The bank's name for a typed bank code, written into the bank field; an unknown code shows the
// hint and leaves the field as the user typed it. A file that cannot be read changes nothing.
void ShowBankOfCode(BankCodes &bankCodes, const QString &code, QWidget &hint, QLineEdit &bank);

} // namespace penvaro::payments
