#include "yearreportcsv.h"

#include "date.h"

namespace penvaro::core {
namespace {

std::string cell(const std::string &text) {
    std::string value = text;
    if (!value.empty() && std::string_view("=+-@\t\r").find(value.front()) != std::string::npos)
        value.insert(0, 1, '\'');
    if (value.find_first_of(";\"\r\n") == std::string::npos)
        return value;
    std::string quoted = "\"";
    for (const char c : value) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string line(const YearReportRow &row) {
    std::string out = cell(row.name);
    for (const std::int64_t amount : row.months)
        out += ';' + CsvEuroAmount(amount);
    return out + ';' + CsvEuroAmount(row.total) + "\r\n";
}

} // namespace

std::string CsvEuroAmount(std::int64_t amount) {
    // In unsigned arithmetic, so that the smallest 64-bit value has a magnitude too.
    const bool negative = amount < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(amount) : static_cast<std::uint64_t>(amount);
    std::string fraction = std::to_string(magnitude % 10000);
    fraction.insert(0, 4 - fraction.size(), '0');
    while (fraction.size() > 2 && fraction.back() == '0')
        fraction.pop_back();
    return (negative ? "-" : "") + std::to_string(magnitude / 10000) + ',' + fraction;
}

std::string YearReportCsv(const YearReport &report) {
    std::string out = "\xEF\xBB\xBF";
    out += report.grouping == ReportGrouping::Category ? "Art/Kategorie" : "Absender/Empfänger";
    for (int month = 1; month <= 12; ++month)
        (out += ';') += MonthName(month);
    out += ";Jahr\r\n";
    for (const YearReportRow &row : report.rows)
        out += line(row);
    return out + line(report.sum);
}

} // namespace penvaro::core
