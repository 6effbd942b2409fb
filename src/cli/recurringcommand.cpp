#include "arguments.h"
#include "commands.h"
#include "dateoptions.h"
#include "dumpformat.h"

#include "core/accountfile.h"
#include "core/date.h"
#include "core/recurring.h"

#include <iostream>

namespace penvaro::cli {

int RunRecurring(const std::vector<std::string> &args) {
    const auto parsed = ParseArguments(args, {{"lm", "today"}, {}});
    if (!parsed)
        return ExitUsage;
    if (parsed->positional.size() != 1 || !parsed->options.contains("lm")
        || !parsed->options.contains("today")) {
        PrintError("recurring erwartet eine Kontodatei, --lm und --today.");
        return ExitUsage;
    }
    // "0" is the stored value of an account that was never checked.
    const std::string &lmText = parsed->options.at("lm");
    const auto lm = lmText == "0" ? std::optional<double>(0.0) : ParseDateOption("lm", lmText);
    const auto today = ParseDateOption("today", parsed->options.at("today"));
    if (!lm || !today)
        return ExitUsage;

    core::BookingTable table;
    if (auto loaded = core::LoadAccountFile(parsed->positional.front(), table); !loaded) {
        PrintError(loaded.error().message);
        return ExitFileError;
    }
    // The rule runs right after loading, before the table is sorted, as on every opening.
    const int loadedCount = table.count;
    const auto catchUp = core::ApplyDueRecurringBookings(table, *lm, *today);
    if (!catchUp) {
        PrintError(catchUp.error().message);
        return ExitUsage;
    }

    std::string out;
    for (int slot = loadedCount + 1; slot <= table.count; ++slot)
        out += FormatDumpLine(slot, table.slot(slot)) + '\n';
    out += "LM\t" + core::FormatDate(catchUp->nextCheckDay) + '\n';
    std::cout << out << std::flush;
    if (catchUp->stopped)
        PrintError(catchUp->stopped->message);
    return ExitOk;
}

} // namespace penvaro::cli
