#include "arguments.h"
#include "commands.h"
#include "dateoptions.h"
#include "numberoptions.h"

#include "core/accountfile.h"
#include "core/amounttext.h"
#include "core/balances.h"
#include "core/date.h"
#include "core/sortbookingtable.h"

#include <iostream>

namespace penvaro::cli {
namespace {

std::optional<core::ExchangeRate> parseRate(const std::string &text) {
    const auto number = ParsePlainDecimal(text);
    if (!number)
        return std::nullopt;
    const auto exact = core::ExchangeRateFromDouble(*number);
    if (!exact)
        return std::nullopt;
    return *exact;
}

} // namespace

int RunBalance(const std::vector<std::string> &args) {
    const auto parsed = ParseArguments(args, {{"today", "rate", "currency"}, {}});
    if (!parsed)
        return ExitUsage;
    if (parsed->positional.size() != 1) {
        PrintError("balance erwartet genau eine Kontodatei.");
        return ExitUsage;
    }
    const std::optional<double> today = parsed->options.contains("today")
                                            ? ParseDateOption("today", parsed->options.at("today"))
                                            : LocalToday();
    if (!today)
        return ExitUsage;
    std::optional<core::NationalCurrency> national;
    if (parsed->options.contains("rate")) {
        const auto rate = parseRate(parsed->options.at("rate"));
        if (!rate) {
            PrintError("--rate erwartet einen Kurs wie 1,95583, nicht \""
                       + parsed->options.at("rate") + "\".");
            return ExitUsage;
        }
        national = core::NationalCurrency{*rate, parsed->option("currency", "DM")};
    }

    const std::string &path = parsed->positional.front();
    core::BookingTable table;
    if (auto loaded = core::LoadAccountFile(path, table); !loaded) {
        PrintError(loaded.error().message);
        return ExitFileError;
    }
    core::SortBookingTable(table, {});

    const auto fail = [&path](const core::Error &error) {
        PrintError("In " + path + ": " + error.message);
        return ExitFileError;
    };
    const auto book = core::ComputeBookBalance(table);
    if (!book)
        return fail(book.error());
    const auto planned = core::ComputePlannedSum(table);
    if (!planned)
        return fail(planned.error());
    const auto projected = core::ComputeProjectedBalance(table, *book, *planned);
    if (!projected)
        return fail(projected.error());
    const auto todays = core::ComputeTodayBalance(table, *today);
    if (!todays)
        return fail(todays.error());

    std::string out;
    auto line = [&](const std::string &name, std::int64_t amount) {
        out += name + '\t' + std::to_string(amount) + '\t'
               + core::FormatEuroText(amount, core::GermanSeparators);
        if (national)
            out += '\t' + core::FormatNationalText(amount, *national, core::GermanSeparators);
        out += '\n';
    };
    line("book", *book);
    line("planned", *planned);
    line("projected\t"
             + (projected->latestValueDate ? core::FormatDate(*projected->latestValueDate) : "-"),
         projected->total);
    line("today", *todays);
    std::cout << out << std::flush;
    return ExitOk;
}

} // namespace penvaro::cli
