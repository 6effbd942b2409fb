#include "arguments.h"
#include "commands.h"
#include "dateoptions.h"

#include "core/accountfile.h"
#include "core/yearreport.h"
#include "platform/account.h"

#include <iostream>

namespace penvaro::cli {
namespace {

// A tab or line break inside a name would shift the columns of every later field.
std::string fieldText(std::string text) {
    for (char &c : text) {
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    }
    return text;
}

std::string reportLine(const std::string &name, const core::YearReportRow &row) {
    std::string line = fieldText(name);
    for (const std::int64_t amount : row.months)
        line += '\t' + std::to_string(amount);
    return line + '\t' + std::to_string(row.total) + '\n';
}

} // namespace

int RunReport(const std::vector<std::string> &args) {
    const auto parsed = ParseArguments(args, {{"year", "by"}, {}});
    if (!parsed)
        return ExitUsage;
    if (parsed->positional.size() != 1 || !parsed->options.contains("year")) {
        PrintError("report erwartet eine Kontodatei und --year JJJJ.");
        return ExitUsage;
    }
    const auto year = ParseYearOption(parsed->options.at("year"));
    if (!year)
        return ExitUsage;
    const std::string by = parsed->option("by", "art");
    if (by != "art" && by != "absender") {
        PrintError("--by erwartet art oder absender, nicht \"" + by + "\".");
        return ExitUsage;
    }

    const std::string &path = parsed->positional.front();
    // With the whole texts its companion keeps, as the program searches, reports and prints.
    platform::Account account;
    if (auto loaded = account.load(path, false); !loaded) {
        PrintError(loaded.error().message);
        return ExitFileError;
    }
    core::BookingTable &table = account.table();
    const auto report = core::BuildYearReport(
        table, *year, by == "art" ? core::ReportGrouping::Category : core::ReportGrouping::Party);
    if (!report) {
        PrintError("In " + path + ": " + report.error().message);
        return ExitFileError;
    }

    std::string out;
    for (const core::YearReportRow &row : report->rows)
        out += reportLine(row.name, row);
    out += reportLine("sum", report->sum);
    std::cout << out << std::flush;
    return ExitOk;
}

} // namespace penvaro::cli
