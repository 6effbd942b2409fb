#include "arguments.h"
#include "commands.h"
#include "dumpformat.h"
#include "orderoptions.h"

#include "core/accountfile.h"
#include "core/balances.h"
#include "core/sortbookingtable.h"
#include "platform/account.h"

#include <iostream>

namespace penvaro::cli {
namespace {

// The running balance of each slot as FillRunningBalances gives it per grid row; empty for
// the kinds that have none.
std::vector<std::string> balanceFields(const core::BookingTable &table,
                                       const core::RunningBalances &balances) {
    std::vector<std::string> fields;
    std::size_t doneRow = 0;
    std::size_t plannedRow = 0;
    for (int slot = 1; slot <= table.count(); ++slot) {
        switch (table.slot(slot).Satzart) {
        case core::BookingKind::StartValue:
        case core::BookingKind::Completed:
            fields.push_back(std::to_string(balances.done[doneRow++]));
            break;
        case core::BookingKind::Planned:
            fields.push_back(std::to_string(balances.planned[plannedRow++]));
            break;
        default:
            fields.emplace_back();
            break;
        }
    }
    return fields;
}

} // namespace

int RunDump(const std::vector<std::string> &args) {
    const auto parsed = ParseArguments(args, {OrderOptionNames, {"balances", "full"}});
    if (!parsed)
        return ExitUsage;
    if (parsed->positional.size() != 1) {
        PrintError("dump erwartet genau eine Kontodatei.");
        return ExitUsage;
    }
    const auto order = ParseOrderOptions(*parsed);
    if (!order)
        return ExitUsage;

    // Read as another program reads a file it does not hold: a change a killed write left in
    // the companion is settled by whoever writes the file next.
    platform::Account account;
    if (auto loaded = account.load(parsed->positional.front(), false); !loaded) {
        PrintError(loaded.error().message);
        return ExitFileError;
    }
    core::BookingTable &table = account.table();
    const Texts texts = parsed->flags.contains("full") ? Texts::Full : Texts::Fields;
    core::SortBookingTable(table, *order);

    std::vector<std::string> balances;
    if (parsed->flags.contains("balances")) {
        const auto running = core::FillRunningBalances(table, *order);
        if (!running) {
            PrintError("In " + parsed->positional.front() + ": " + running.error().message);
            return ExitFileError;
        }
        balances = balanceFields(table, *running);
    }

    std::string out;
    for (int slot = 1; slot <= table.count(); ++slot) {
        out += FormatDumpLine(slot, table.slot(slot), texts);
        if (!balances.empty())
            out += '\t' + balances[static_cast<std::size_t>(slot - 1)];
        out += '\n';
    }
    out += FormatRunsLine(table) + '\n';
    std::cout << out << std::flush;
    return ExitOk;
}

} // namespace penvaro::cli
