#include "arguments.h"
#include "commands.h"
#include "dateoptions.h"
#include "dumpformat.h"

#include "core/date.h"
#include "platform/accountsession.h"

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

    // The same reading and planning as every opening, without its writes.
    const auto account =
        platform::ReadAccountWithDueBookings(parsed->positional.front(), *lm, *today);
    if (!account) {
        PrintError(account.error().message);
        return account.error().kind == core::ErrorKind::Invalid ? ExitUsage : ExitFileError;
    }

    std::string out;
    int slot = account->table.count();
    for (const core::BookingRecord &planned : account->due.planned)
        out += FormatDumpLine(++slot, planned) + '\n';
    out += "LM\t" + core::FormatDate(account->due.nextCheckDay) + '\n';
    std::cout << out << std::flush;
    if (!account->due.stopped)
        return ExitOk;
    PrintError(account->due.stopped->message);
    // A full table is the file's state and the planning goes on at the next opening; a month
    // beyond the calendar comes from a "--today" that no account reaches.
    return account->due.stopped->kind == core::ErrorKind::Invalid ? ExitUsage : ExitOk;
}

} // namespace penvaro::cli
