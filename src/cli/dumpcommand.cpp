#include "arguments.h"
#include "commands.h"
#include "dumpformat.h"

#include "core/accountfile.h"
#include "core/sortbookingtable.h"

#include <iostream>

namespace penvaro::cli {
namespace {

std::optional<core::DoneOrder> parseSortBy(const std::string &value) {
    if (value == "normal")
        return core::DoneOrder::Normal;
    if (value == "ad")
        return core::DoneOrder::StatementDate;
    if (value == "wd")
        return core::DoneOrder::ValueDate;
    return std::nullopt;
}

std::optional<bool> parseDirection(const std::string &value) {
    if (value == "asc")
        return true;
    if (value == "desc")
        return false;
    return std::nullopt;
}

} // namespace

int RunDump(const std::vector<std::string> &args) {
    const auto parsed = ParseArguments(args, {{"sort-by", "sort1", "sort2"}, {}});
    if (!parsed)
        return ExitUsage;
    if (parsed->positional.size() != 1) {
        PrintError("dump erwartet genau eine Kontodatei.");
        return ExitUsage;
    }
    const auto sortBy = parseSortBy(parsed->option("sort-by", "normal"));
    const auto sort1 = parseDirection(parsed->option("sort1", "asc"));
    const auto sort2 = parseDirection(parsed->option("sort2", "asc"));
    if (!sortBy || !sort1 || !sort2) {
        PrintError("--sort-by erwartet normal, ad oder wd; --sort1 und --sort2 erwarten asc "
                   "oder desc.");
        return ExitUsage;
    }

    core::BookingTable table;
    if (auto loaded = core::LoadAccountFile(parsed->positional.front(), table); !loaded) {
        PrintError(loaded.error().message);
        return ExitFileError;
    }
    core::SortBookingTable(table, {*sortBy, *sort1, *sort2});

    std::string out;
    for (int slot = 1; slot <= table.count; ++slot)
        out += FormatDumpLine(slot, table.slot(slot)) + '\n';
    out += FormatRunsLine(table) + '\n';
    std::cout << out << std::flush;
    return ExitOk;
}

} // namespace penvaro::cli
