#include "arguments.h"
#include "commands.h"
#include "dateoptions.h"
#include "dumpformat.h"
#include "orderoptions.h"
#include "searchoptions.h"

#include "core/accountfile.h"
#include "core/amounttext.h"
#include "core/search.h"
#include "core/sortbookingtable.h"
#include "platform/account.h"

#include <iostream>

namespace penvaro::cli {

int RunSearch(const std::vector<std::string> &args) {
    std::set<std::string> valueOptions = OrderOptionNames;
    valueOptions.insert({"exact", "contains", "fields", "from", "to"});
    const auto parsed = ParseArguments(args, {valueOptions, {"range"}});
    if (!parsed)
        return ExitUsage;
    if (parsed->positional.size() != 1) {
        PrintError("search erwartet genau eine Kontodatei.");
        return ExitUsage;
    }
    auto criteria = ParseSearchCriterion(*parsed, "search");
    const auto order = ParseOrderOptions(*parsed);
    if (!criteria || !order)
        return ExitUsage;
    const auto dates = ParseDateRangeOptions(*parsed);
    if (!dates)
        return ExitUsage;

    const std::string &path = parsed->positional.front();
    // With the whole texts its companion keeps, as the program searches, reports and prints.
    platform::Account account;
    if (auto loaded = account.load(path, false); !loaded) {
        PrintError(loaded.error().message);
        return ExitFileError;
    }
    core::BookingTable &table = account.table();
    core::SortBookingTable(table, *order);

    const core::ValueDateRange range =
        dates->resolved(core::BookingValueDateRange(table), LocalToday());
    criteria->from = range.from;
    criteria->to = range.to;
    const auto found = core::SearchBookings(table, *criteria);
    if (!found) {
        PrintError("In " + path + ": " + found.error().message);
        return ExitFileError;
    }

    std::string out;
    for (const int slot : found->matches)
        out += FormatDumpLine(slot, table.slot(slot)) + '\n';
    out += "sum\t" + std::to_string(found->sum) + '\t'
           + core::FormatEuroText(found->sum, core::GermanSeparators) + '\n';
    std::cout << out << std::flush;
    return ExitOk;
}

} // namespace penvaro::cli
