#include "core/yearreportcsv.h"

#include <gtest/gtest.h>

#include <limits>
#include <string_view>

using namespace penvaro;

namespace {

// Reads the file as a spreadsheet would: quoted fields, doubled quotes, CRLF lines, and the
// apostrophe that keeps a text from being a formula.
std::vector<std::vector<std::string>> readCsv(std::string_view text) {
    std::vector<std::vector<std::string>> rows(1);
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                field += text[++i];
            else if (c == '"')
                quoted = false;
            else
                field += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ';' || c == '\r') {
            if (field.size() > 1 && field[0] == '\''
                && std::string_view("=+-@").find(field[1]) != std::string_view::npos)
                field.erase(0, 1);
            rows.back().push_back(field);
            field.clear();
            if (c == '\r') {
                EXPECT_EQ('\n', text[i + 1]);
                ++i;
                rows.emplace_back();
            }
        } else {
            field += c;
        }
    }
    EXPECT_TRUE(rows.back().empty()) << "the last line ends with CRLF";
    rows.pop_back();
    return rows;
}

std::int64_t readAmount(const std::string &text) {
    const auto comma = text.find(',');
    std::string fraction = text.substr(comma + 1);
    fraction.append(4 - fraction.size(), '0');
    const bool negative = text[0] == '-';
    const std::int64_t whole =
        std::stoll(text.substr(negative ? 1 : 0, comma - (negative ? 1 : 0)));
    const std::int64_t value = whole * 10000 + std::stoll(fraction);
    return negative ? -value : value;
}

core::YearReportRow row(std::string name, std::int64_t january, std::int64_t december) {
    core::YearReportRow r;
    r.name = std::move(name);
    r.months[0] = january;
    r.months[11] = december;
    r.total = january + december;
    return r;
}

} // namespace

TEST(YearReportCsv, WritesExactEuroAmountsWithADecimalComma) {
    const std::int64_t min = std::numeric_limits<std::int64_t>::min();
    const std::pair<std::int64_t, const char *> cases[] = {
        {0, "0,00"},
        {1, "0,0001"},
        {-125000, "-12,50"},
        {1234567, "123,4567"},
        {-10, "-0,001"},
        {100000000, "10000,00"},
        {min, "-922337203685477,5808"},
    };
    for (const auto &[amount, text] : cases)
        EXPECT_EQ(text, core::CsvEuroAmount(amount)) << amount;
}

TEST(YearReportCsv, RoundTripsEveryNameAndAmount) {
    core::YearReport report;
    report.year = 2011;
    report.grouping = core::ReportGrouping::Party;
    report.rows = {
        row("=HYPERLINK(\"x\")", -1234567, 0),
        row("Müller; Söhne", -500000, -1),
        row("\"Zitat\" GmbH", 0, 5),
        row("-Minus", 1, 0),
        row("(ohne)", 2, 0),
        row("Gehalt", 30000000, 30000000),
    };
    report.sum = row("Summe", 28266436, 30000004);

    const std::string csv = core::YearReportCsv(report);
    ASSERT_TRUE(csv.starts_with("\xEF\xBB\xBF"
                                "Absender/Empfänger;Januar;Februar;März;"));
    EXPECT_NE(std::string::npos, csv.find("\r\n\"'=HYPERLINK(\"\"x\"\")\"")) << csv;
    const auto rows = readCsv(std::string_view(csv).substr(3));
    ASSERT_EQ(report.rows.size() + 2, rows.size());
    EXPECT_EQ("Dezember", rows[0][12]);
    EXPECT_EQ("Jahr", rows[0][13]);
    std::vector<core::YearReportRow> all = report.rows;
    all.push_back(report.sum);
    for (std::size_t i = 0; i < all.size(); ++i) {
        const auto &cells = rows[i + 1];
        ASSERT_EQ(14u, cells.size()) << i;
        core::YearReportRow back;
        back.name = cells[0];
        for (std::size_t m = 0; m < 12; ++m)
            back.months[m] = readAmount(cells[m + 1]);
        back.total = readAmount(cells[13]);
        EXPECT_EQ(all[i], back) << all[i].name;
    }
}
