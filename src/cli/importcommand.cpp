#include "accountwrite.h"
#include "arguments.h"
#include "commands.h"
#include "dumpformat.h"

#include "core/accountfile.h"
#include "core/bookingchanges.h"
#include "core/date.h"
#include "core/fileio.h"
#include "core/settings.h"
#include "core/sortbookingtable.h"
#include "core/statementaccount.h"
#include "core/statementimport.h"
#include "platform/account.h"
#include "platform/accountfilelock.h"
#include "platform/importmemory.h"
#include "platform/importreferences.h"
#include "platform/registrystore.h"
#include "platform/settingsstore.h"
#include "platform/statementfile.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <iostream>

namespace penvaro::cli {
namespace {

std::string actionName(core::ImportAction action) {
    switch (action) {
    case core::ImportAction::Matched:
        return "matched";
    case core::ImportAction::Skipped:
        return "skipped";
    case core::ImportAction::LeftOut:
        return "left-out";
    case core::ImportAction::Pending:
        return "pending";
    case core::ImportAction::Added:
        break;
    }
    return "added";
}

// The account file's key is its full path, as the program names it.
QString settingsName(const std::string &accountFile) {
    return QFileInfo(QFile::decodeName(accountFile.c_str())).absoluteFilePath();
}

// The statement dates and texts go where the entry dialog keeps them.
void rememberImport(platform::RegistryStore &store, const std::string &accountFile,
                    const core::ImportPlan &plan) {
    if (auto remembered = platform::RememberImport(store, settingsName(accountFile), plan);
        !remembered)
        PrintError("Die Auszugsdaten wurden nicht gespeichert: " + remembered.error().message);
}

// The account a statement names when it is not the one the file's own account data name, as
// the import window compares them; empty when they agree or cannot be compared.
std::string otherAccount(const std::vector<core::Statement> &statements,
                         const core::Settings &own) {
    for (const core::Statement &statement : statements) {
        if (core::MatchOwnAccount(statement.accountId, {own.bankCode, own.accountNumber, own.iban})
            == core::AccountMatch::Other)
            return statement.accountId;
    }
    return {};
}

std::string ownAccount(const core::Settings &own) {
    if (!own.iban.empty())
        return "Konto IBAN " + own.iban;
    std::string text = "Konto " + own.accountNumber;
    if (!own.bankCode.empty())
        text += ", BLZ " + own.bankCode;
    return text;
}

// The program writes a file it has open whenever the user changes a booking: the import waits
// its turn instead of writing under it. A lock nobody holds was left by a program that ended
// without closing the file, so it is no obstacle.
bool LockForWriting(const std::string &accountFile, platform::AccountFileLock &lock) {
    using Outcome = platform::AccountFileLock::Outcome;
    Outcome locked = lock.tryLock(accountFile);
    if (locked == Outcome::Abandoned)
        locked = lock.takeOver(accountFile);
    if (locked == Outcome::Locked)
        return true;
    if (locked == Outcome::InUse)
        PrintError(accountFile + " ist " + lock.heldBy()
                   + " zum Bearbeiten geöffnet; bitte warten, bis die Datei dort geschlossen "
                     "ist, und den Import wiederholen.");
    else
        PrintError(accountFile + " kann nicht für den Import reserviert werden: " + lock.failure());
    return false;
}

} // namespace

int RunImport(const std::vector<std::string> &args) {
    const auto parsed =
        ParseArguments(args, {{"account", "csv-layout"}, {"dry-run", "other-account", "loose"}});
    if (!parsed)
        return ExitUsage;
    if (parsed->positional.size() != 2) {
        PrintError("import erwartet eine Kontodatei und eine Kontoauszugsdatei.");
        return ExitUsage;
    }
    const std::string &accountFile = parsed->positional[0];
    const bool dryRun = parsed->flags.contains("dry-run");
    // Writing would put the current layout under a name that promises the older one.
    if (core::IsLegacyAccountFileName(accountFile)) {
        PrintError(accountFile
                   + " hat das alte Format; bitte zuerst mit „penvaro-cli convert“ "
                     "umwandeln.");
        return ExitFileError;
    }

    platform::AccountFileLock lock(platform::AccountFileLock::Holder::Cli);
    if (!dryRun && !LockForWriting(accountFile, lock))
        return ExitFileError;
    if (!MayWriteLocked(accountFile, dryRun))
        return ExitFileError;
    // Read under the lock, so that a change a killed write left half done is settled first.
    platform::Account account;
    if (auto loaded = account.load(accountFile, !dryRun); !loaded) {
        PrintError(loaded.error().message);
        return ExitFileError;
    }
    core::BookingTable &table = account.table();
    core::SortBookingTable(table, {});
    const auto read =
        platform::ReadStatementFile(QFile::decodeName(parsed->positional[1].c_str()),
                                    QString::fromStdString(parsed->option("csv-layout", {})));
    if (!read) {
        PrintError(read.error().message);
        return ExitFileError;
    }
    auto opening = platform::RegistryStore::Open(platform::RegistryStore::DefaultDatabasePath());
    if (opening.problem)
        PrintError(opening.problem->message);
    platform::RegistryStore &store = *opening.store;
    const core::Settings own = platform::ReadAccountFileSettings(store, settingsName(accountFile));
    const auto chosen = core::ChooseAccountStatements(
        *read, {own.bankCode, own.accountNumber, own.iban}, parsed->option("account", {}));
    if (!chosen) {
        PrintError(chosen.error().message);
        return ExitFileError;
    }
    for (const std::string &leftOut : chosen->leftOutAccounts)
        PrintError("Die Auszüge des Kontos " + leftOut + " werden nicht importiert.");
    const std::vector<core::Statement> *statements = &chosen->statements;
    if (const std::string other = otherAccount(*statements, own);
        !other.empty() && !parsed->flags.contains("other-account")) {
        PrintError("Der Kontoauszug gehört zum Konto " + other + ", die Kontodatei " + accountFile
                   + " zum " + ownAccount(own)
                   + ". Mit --other-account wird er trotzdem importiert.");
        return ExitFileError;
    }
    // A store that cannot be read leaves the comparison of the texts, which finds most.
    std::set<std::string> references = account.importReferences(QDate::currentDate());
    if (const auto earlier =
            platform::ImportReferences(store, settingsName(accountFile)).read(QDate::currentDate()))
        references.insert(earlier->begin(), earlier->end());
    std::size_t entries = 0;
    for (const core::Statement &statement : *statements)
        entries += statement.entries.size();
    // Without --loose an entry that shares only the amount or only the party with a planned
    // booking is added beside it, as the import window does until the user ticks it.
    const auto plan =
        core::PlanStatementImport(table, *statements, {}, references,
                                  std::vector<bool>(entries, parsed->flags.contains("loose")));
    if (!plan) {
        PrintError(plan.error().message);
        return ExitFileError;
    }
    // A trial answers what the import would do, refusals included.
    const auto added = std::count_if(plan->steps.begin(), plan->steps.end(), [](const auto &step) {
        return step.action == core::ImportAction::Added;
    });
    if (dryRun && added > table.remaining()) {
        PrintError(core::TableFullError().message);
        return ExitFileError;
    }
    if (!dryRun) {
        if (auto applied = account.applyImport(*plan, QDate::currentDate()); !applied) {
            PrintError(applied.error().message);
            return ExitFileError;
        }
        rememberImport(store, accountFile, *plan);
    }

    std::string out;
    for (const core::ImportStep &step : plan->steps) {
        out += actionName(step.action) + '\t' + FormatRecordFields(step.booking) + '\n';
        if (!step.entry.note.empty())
            PrintError("Hinweis: " + step.entry.note);
        if (step.uncertain && step.action == core::ImportAction::Added)
            PrintError("Unsicher: die geplante Buchung vom "
                       + core::FormatDate(step.planned.Wertdatum) + " ("
                       + step.planned.Absender.toUtf8()
                       + ") wurde nicht ersetzt; mit --loose wird sie ersetzt.");
    }
    out += "closing\t"
           + (plan->closingBalance ? std::to_string(*plan->closingBalance) : std::string("-"))
           + '\t' + std::to_string(plan->bookBalanceAtClosing) + '\n';
    std::cout << out << std::flush;
    return ExitOk;
}

} // namespace penvaro::cli
