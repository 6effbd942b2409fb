#include "accountwrite.h"
#include "arguments.h"
#include "bankcodepath.h"
#include "commands.h"

#include "core/accountfile.h"
#include "core/bankcodelist.h"
#include "core/creditorid.h"
#include "core/date.h"
#include "core/epcqrpayload.h"
#include "core/iban.h"
#include "core/sepatransfer.h"
#include "core/typedamount.h"
#include "platform/account.h"
#include "platform/accountfilelock.h"
#include "platform/bankmethodcheck.h"
#include "platform/filewrite.h"
#include "platform/girocode.h"
#include "platform/registrystore.h"
#include "platform/sepafile.h"
#include "platform/sepapayment.h"
#include "platform/settingsstore.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <iostream>

namespace penvaro::cli {
namespace {

// The checks that a transfer needs: the bank code file and the banks' methods.
struct Checks {
    core::BankCodeList banks;
    platform::BankMethodCheck methods;
};

std::unique_ptr<Checks> loadChecks() {
    auto banks = core::BankCodeList::Load(BankCodeFile());
    if (!banks) {
        PrintError(banks.error().message);
        return nullptr;
    }
    auto checks = std::make_unique<Checks>();
    checks->banks = std::move(*banks);
    return checks;
}

const ArgumentSpec transferOptions{{"name", "iban", "bic", "amount", "purpose"}, {}};

bool hasTransferOptions(const Arguments &args) {
    for (const char *required : {"name", "iban", "amount", "purpose"}) {
        if (!args.options.contains(required)) {
            PrintError(std::string("Es fehlt --") + required + ".");
            return false;
        }
    }
    return true;
}

// The transfer of the options, checked; a refusal has been printed.
std::optional<core::SepaTransfer> transferOf(const Arguments &args, const Checks &checks) {
    const auto amount = core::ReadTypedAmount(args.option("amount", ""));
    if (!amount) {
        PrintError(amount.error().message);
        return std::nullopt;
    }
    const core::SepaTransfer typed{args.option("name", ""),    args.option("iban", ""),
                                   args.option("bic", ""),     *amount,
                                   args.option("purpose", ""), 0.0};
    auto checked = core::CheckSepaTransfer(typed, checks.banks, checks.methods);
    if (!checked) {
        PrintError(checked.error().message);
        return std::nullopt;
    }
    return *checked;
}

bool lockForWriting(const std::string &accountFile, platform::AccountFileLock &lock) {
    using Outcome = platform::AccountFileLock::Outcome;
    Outcome locked = lock.tryLock(accountFile);
    if (locked == Outcome::Abandoned)
        locked = lock.takeOver(accountFile);
    if (locked == Outcome::Locked)
        return true;
    PrintError(locked == Outcome::InUse
                   ? accountFile
                         + " ist in einem Penvaro-Fenster zum Bearbeiten geöffnet; bitte "
                           "die Datei dort schließen und den Auftrag wiederholen."
                   : accountFile + " kann nicht reserviert werden: " + lock.failure());
    return false;
}

core::Settings accountSettings(const std::string &accountFile) {
    auto opening = platform::RegistryStore::Open(platform::RegistryStore::DefaultDatabasePath());
    if (opening.problem)
        PrintError(opening.problem->message);
    const QString file = QFileInfo(QFile::decodeName(accountFile.c_str())).absoluteFilePath();
    return platform::ReadAccountFileSettings(*opening.store, file);
}

} // namespace

int RunIbanCheck(const std::vector<std::string> &args) {
    const auto parsed = ParseArguments(args, {});
    if (!parsed)
        return ExitUsage;
    if (parsed->positional.size() != 1) {
        PrintError("iban-check erwartet genau eine IBAN.");
        return ExitUsage;
    }
    const auto checks = loadChecks();
    if (!checks)
        return ExitFileError;
    const auto iban = core::CheckIban(parsed->positional.front(), checks->banks, checks->methods);
    if (!iban) {
        std::cout << "invalid\t" << iban.error().message << '\n';
        return ExitFileError;
    }
    std::cout << "valid\t" << iban->iban << '\t' << iban->bic << '\t' << iban->bankName << '\n';
    return ExitOk;
}

int RunCreditorIdCheck(const std::vector<std::string> &args) {
    const auto parsed = ParseArguments(args, {});
    if (!parsed)
        return ExitUsage;
    if (parsed->positional.size() != 1) {
        PrintError("creditor-id-check erwartet genau eine Gläubiger-ID.");
        return ExitUsage;
    }
    const auto id = core::CheckCreditorId(parsed->positional.front());
    if (!id) {
        std::cout << "invalid\t" << id.error().message << '\n';
        return ExitFileError;
    }
    std::cout << "valid\t" << *id << '\n';
    return ExitOk;
}

int RunIbanFrom(const std::vector<std::string> &args) {
    const auto parsed = ParseArguments(args, {});
    if (!parsed)
        return ExitUsage;
    if (parsed->positional.size() != 2) {
        PrintError("iban-from erwartet eine Kontonummer und eine Bankleitzahl.");
        return ExitUsage;
    }
    const auto checks = loadChecks();
    if (!checks)
        return ExitFileError;
    const auto iban = core::IbanFromAccount(parsed->positional[0], parsed->positional[1],
                                            checks->banks, checks->methods);
    if (!iban) {
        PrintError(iban.error().message);
        return ExitFileError;
    }
    std::cout << *iban << '\n';
    return ExitOk;
}

int RunGiroCode(const std::vector<std::string> &args) {
    ArgumentSpec accepted = transferOptions;
    accepted.valueOptions.insert("png");
    const auto parsed = ParseArguments(args, accepted);
    if (!parsed)
        return ExitUsage;
    if (!parsed->positional.empty() || !hasTransferOptions(*parsed))
        return ExitUsage;
    const auto checks = loadChecks();
    if (!checks)
        return ExitFileError;
    const auto transfer = transferOf(*parsed, *checks);
    if (!transfer)
        return ExitFileError;
    const auto payload = core::EpcQrPayload(*transfer);
    if (!payload) {
        PrintError(payload.error().message);
        return ExitFileError;
    }
    if (parsed->options.contains("png")) {
        const std::string png = parsed->option("png", "");
        const auto modules = platform::GiroCodeModules(*payload);
        if (!modules) {
            PrintError(modules.error().message);
            return ExitFileError;
        }
        if (auto written = platform::WritePngFile(QFile::decodeName(png.c_str()),
                                                  platform::GiroCodeImage(*modules, 8));
            !written) {
            PrintError(written.error().message);
            return ExitFileError;
        }
    }
    std::cout << *payload << '\n';
    return ExitOk;
}

int RunSepaTransfer(const std::vector<std::string> &args) {
    ArgumentSpec accepted = transferOptions;
    accepted.valueOptions.insert({"execution", "xml"});
    const auto parsed = ParseArguments(args, accepted);
    if (!parsed)
        return ExitUsage;
    if (parsed->positional.size() != 1) {
        PrintError("sepa-transfer erwartet genau eine Kontodatei.");
        return ExitUsage;
    }
    if (!hasTransferOptions(*parsed))
        return ExitUsage;
    if (!parsed->options.contains("xml") || !parsed->options.contains("execution")) {
        PrintError("sepa-transfer erwartet --execution TT.MM.JJJJ und --xml DATEI.");
        return ExitUsage;
    }
    const auto execution = core::ParseDate(parsed->option("execution", ""));
    if (!execution) {
        PrintError("Ungültiges Ausführungsdatum: " + parsed->option("execution", ""));
        return ExitUsage;
    }
    const QDateTime now = QDateTime::currentDateTime();
    const double today =
        core::DayCountFromCivil({now.date().year(), now.date().month(), now.date().day()});
    // As the window: the bank would refuse an order for a day that is gone.
    if (*execution < today) {
        PrintError("Das Ausführungsdatum " + parsed->option("execution", "")
                   + " liegt in der Vergangenheit.");
        return ExitUsage;
    }
    const std::string &accountFile = parsed->positional.front();
    if (core::IsLegacyAccountFileName(accountFile)) {
        PrintError(accountFile
                   + " hat das alte Format; bitte zuerst mit „penvaro-cli convert“ umwandeln.");
        return ExitFileError;
    }
    const auto checks = loadChecks();
    if (!checks)
        return ExitFileError;
    auto transfer = transferOf(*parsed, *checks);
    if (!transfer)
        return ExitFileError;
    transfer->execution = *execution;
    const auto debtor =
        platform::AccountDebtor(accountSettings(accountFile), checks->banks, checks->methods);
    if (!debtor) {
        PrintError(debtor.error().message);
        return ExitFileError;
    }

    platform::AccountFileLock lock;
    if (!lockForWriting(accountFile, lock) || !MayWriteLocked(accountFile))
        return ExitFileError;
    // Read under the lock, so that a change a killed write left half done is settled first.
    platform::Account account;
    if (auto loaded = account.load(accountFile, true); !loaded) {
        PrintError(loaded.error().message);
        return ExitFileError;
    }
    const QByteArray document = platform::SepaCreditTransferFile(*debtor, {*transfer}, now, today);
    if (auto written =
            platform::WriteSepaFileAndBook(QFile::decodeName(parsed->option("xml", "").c_str()),
                                           document, account, {*transfer}, today);
        !written) {
        PrintError(written.error().message);
        return ExitFileError;
    }
    return ExitOk;
}

} // namespace penvaro::cli
