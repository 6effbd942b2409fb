#include "arguments.h"
#include "bankcodepath.h"
#include "commands.h"

#include "core/accountfile.h"
#include "core/bankcodelist.h"
#include "core/creditorid.h"
#include "core/iban.h"
#include "platform/bankmethodcheck.h"
#include "platform/companion.h"
#include "platform/registrystore.h"
#include "platform/settingsstore.h"

#include <QFile>
#include <QFileInfo>

#include <iostream>
#include <optional>

namespace penvaro::cli {
namespace {

constexpr const char *CreditorArea = "account";
constexpr const char *CreditorKey = "creditor-id";

struct AccountData {
    std::string holder;
    std::string iban;
    std::string bic;
    std::string number;
    std::string bankCode;
    std::string creditorId;
};

// The new account data from the options over the stored ones; a value refused is printed and
// none comes back.
std::optional<AccountData> changed(const Arguments &args, AccountData data) {
    const auto given = [&](const char *name) { return args.options.contains(name); };
    std::optional<core::BankCodeList> banks;
    platform::BankMethodCheck methods;
    const auto loadBanks = [&]() -> bool {
        if (banks)
            return true;
        auto loaded = core::BankCodeList::Load(BankCodeFile());
        if (!loaded) {
            PrintError(loaded.error().message);
            return false;
        }
        banks = std::move(*loaded);
        return true;
    };
    if (given("holder"))
        data.holder = args.option("holder", "");
    if (given("number") != given("bank-code")) {
        PrintError("--number und --bank-code gehören zusammen.");
        return std::nullopt;
    }
    if (given("number")) {
        data.number = args.option("number", "");
        data.bankCode = args.option("bank-code", "");
        if (!data.number.empty() || !data.bankCode.empty()) {
            if (!loadBanks())
                return std::nullopt;
            if (auto iban = core::IbanFromAccount(data.number, data.bankCode, *banks, methods);
                !iban) {
                PrintError(iban.error().message);
                return std::nullopt;
            }
        }
    }
    if (given("iban")) {
        data.iban.clear();
        if (const std::string typed = args.option("iban", "");
            !core::ElectronicForm(typed).empty()) {
            if (!loadBanks())
                return std::nullopt;
            const auto iban = core::CheckIban(typed, *banks, methods);
            if (!iban) {
                PrintError(iban.error().message);
                return std::nullopt;
            }
            data.iban = iban->iban;
            // A German bank's BIC comes from the bank code file, as on the page.
            if (!given("bic") && !iban->bic.empty())
                data.bic = iban->bic;
        }
    }
    if (given("bic")) {
        data.bic.clear();
        if (const std::string typed = args.option("bic", "");
            !core::ElectronicForm(typed).empty()) {
            const auto bic = core::CheckBic(typed);
            if (!bic) {
                PrintError(bic.error().message);
                return std::nullopt;
            }
            data.bic = *bic;
        }
    }
    if (given("creditor-id")) {
        data.creditorId.clear();
        if (const std::string typed = args.option("creditor-id", ""); !typed.empty()) {
            const auto id = core::CheckCreditorId(typed);
            if (!id) {
                PrintError(id.error().message);
                return std::nullopt;
            }
            data.creditorId = *id;
        }
    }
    return data;
}

core::Result<void> store(platform::RegistryStore &registry, const QString &key,
                         const AccountData &data) {
    if (auto created = registry.createKey(key); !created)
        return created;
    return registry.setValues(
        key, {{QStringLiteral("Kontoinhaber"), QString::fromStdString(data.holder)},
              {QStringLiteral("Kontonummer"), QString::fromStdString(data.number)},
              {QStringLiteral("Bankleitzahl"), QString::fromStdString(data.bankCode)},
              {QStringLiteral("IBAN"), QString::fromStdString(data.iban)},
              {QStringLiteral("BIC"), QString::fromStdString(data.bic)}});
}

} // namespace

int RunAccount(const std::vector<std::string> &args) {
    const auto parsed =
        ParseArguments(args, {{"holder", "iban", "bic", "number", "bank-code", "creditor-id"}, {}});
    if (!parsed)
        return ExitUsage;
    if (parsed->positional.size() != 1) {
        PrintError("account erwartet genau eine Kontodatei.");
        return ExitUsage;
    }
    const std::string &accountFile = parsed->positional.front();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(accountFile, ec)) {
        PrintError(accountFile + " ist keine Kontodatei.");
        return ExitFileError;
    }
    auto opening = platform::RegistryStore::Open(platform::RegistryStore::DefaultDatabasePath());
    if (opening.problem)
        PrintError(opening.problem->message);
    platform::RegistryStore &registry = *opening.store;
    // The account file's key is its full path, as the program names it.
    const QString file = QFileInfo(QFile::decodeName(accountFile.c_str())).absoluteFilePath();
    const core::Settings own = platform::ReadAccountFileSettings(registry, file);
    auto companion = platform::Companion::Open(accountFile, false);
    if (!companion) {
        PrintError(companion.error().message);
        return ExitFileError;
    }
    AccountData stored{own.accountHolder, own.iban,     own.bic,
                       own.accountNumber, own.bankCode, std::string()};
    if (*companion) {
        const auto id = (*companion)->value(CreditorArea, CreditorKey);
        if (id && *id)
            stored.creditorId = **id;
    }
    const auto data = changed(*parsed, stored);
    if (!data)
        return ExitUsage;
    if (!parsed->options.empty()) {
        if (auto written = store(registry, platform::FileSettingsKey(registry, file), *data);
            !written) {
            PrintError(written.error().message);
            return ExitFileError;
        }
        if (data->creditorId != stored.creditorId) {
            if (!*companion) {
                companion = platform::Companion::Open(accountFile, true);
                if (!companion) {
                    PrintError(companion.error().message);
                    return ExitFileError;
                }
            }
            if (auto written = (*companion)->setValue(CreditorArea, CreditorKey, data->creditorId);
                !written) {
                PrintError(written.error().message);
                return ExitFileError;
            }
        }
    }
    std::cout << "holder\t" << data->holder << "\niban\t" << data->iban << "\nbic\t" << data->bic
              << "\nnumber\t" << data->number << "\nbank-code\t" << data->bankCode
              << "\ncreditor-id\t" << data->creditorId << '\n'
              << std::flush;
    return ExitOk;
}

} // namespace penvaro::cli
