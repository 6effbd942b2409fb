#include "arguments.h"
#include "commands.h"
#include "dateoptions.h"
#include "numberoptions.h"

#include "core/accountfile.h"
#include "core/amounttext.h"
#include "core/interest.h"
#include "core/sortbookingtable.h"

#include "platform/registrystore.h"
#include "platform/settingsstore.h"

#include <QFile>
#include <QFileInfo>

#include <iostream>

namespace penvaro::cli {
namespace {

// The rates stored for the account file, in the key the program keeps for it by its full path.
core::InterestRates storedRates(const std::string &path) {
    auto opening = platform::RegistryStore::Open(platform::RegistryStore::DefaultDatabasePath());
    if (opening.problem)
        PrintError(opening.problem->message);
    const QString file = QFileInfo(QFile::decodeName(path.c_str())).absoluteFilePath();
    return core::InterestRatesFromSettings(platform::ReadAccountFileSettings(*opening.store, file));
}

// The rates given on the command line, the stored ones for those not given.
std::optional<core::InterestRates> chooseRates(const Arguments &parsed, const std::string &path) {
    std::optional<double> credit;
    std::optional<double> debit;
    for (const auto &[name, rate] : {std::pair{"credit", &credit}, std::pair{"debit", &debit}}) {
        if (!parsed.options.contains(name))
            continue;
        *rate = ParsePlainDecimal(parsed.options.at(name));
        if (!*rate) {
            PrintError(std::string("--") + name + " erwartet einen Zinssatz in Prozent wie 2,5, "
                       + "nicht \"" + parsed.options.at(name) + "\".");
            return std::nullopt;
        }
    }
    const core::InterestRates rates = credit && debit ? core::InterestRates{} : storedRates(path);
    return core::InterestRates{credit.value_or(rates.credit), debit.value_or(rates.debit)};
}

std::string amountFields(std::int64_t amount) {
    return std::to_string(amount) + '\t' + core::FormatEuroText(amount, core::GermanSeparators);
}

} // namespace

int RunInterest(const std::vector<std::string> &args) {
    const auto parsed = ParseArguments(args, {{"from", "to", "year", "credit", "debit"}, {}});
    if (!parsed)
        return ExitUsage;
    const auto &options = parsed->options;
    const bool byYear = options.contains("year");
    const bool byPeriod = options.contains("from") && options.contains("to");
    const bool periodPart = options.contains("from") || options.contains("to");
    if (parsed->positional.size() != 1 || byYear == periodPart || (periodPart && !byPeriod)) {
        PrintError("interest erwartet eine Kontodatei und entweder --from und --to oder --year.");
        return ExitUsage;
    }
    std::optional<int> year;
    std::optional<double> from;
    std::optional<double> to;
    if (byYear) {
        year = ParseYearOption(options.at("year"));
        if (!year)
            return ExitUsage;
    } else {
        from = ParseDateOption("from", options.at("from"));
        to = ParseDateOption("to", options.at("to"));
        if (!from || !to)
            return ExitUsage;
        if (*to < *from) {
            PrintError("Ungültiger Zeitraum!");
            return ExitUsage;
        }
    }
    const std::string &path = parsed->positional.front();
    const auto rates = chooseRates(*parsed, path);
    if (!rates)
        return ExitUsage;

    core::BookingTable table;
    if (auto loaded = core::LoadAccountFile(path, table); !loaded) {
        PrintError(loaded.error().message);
        return ExitFileError;
    }
    core::SortBookingTable(table, core::InterestOrder);

    std::string out;
    if (year) {
        const auto months = core::MonthlyInterest(table, *rates, *year);
        if (!months) {
            PrintError("In " + path + ": " + months.error().message);
            return ExitFileError;
        }
        for (std::size_t m = 0; m < months->size(); ++m)
            out += std::to_string(m + 1) + '\t' + std::to_string((*months)[m].credit) + '\t'
                   + std::to_string((*months)[m].debit) + '\n';
    } else {
        const auto period = core::InterestForPeriod(table, *rates, *from, *to);
        if (!period) {
            PrintError("In " + path + ": " + period.error().message);
            return ExitFileError;
        }
        out += "credit\t" + amountFields(period->credit) + '\n';
        out += "debit\t" + amountFields(period->debit) + '\n';
        out += "total\t" + amountFields(period->total) + '\n';
    }
    std::cout << out << std::flush;
    return ExitOk;
}

} // namespace penvaro::cli
