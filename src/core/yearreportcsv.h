#pragma once

#include "yearreport.h"

#include <cstdint>
#include <string>

namespace penvaro::core {

// The report as a German spreadsheet opens it: UTF-8 with byte order mark, semicolons, CRLF
// lines, a heading row, the rows in the report's order and the sum row "Summe". Amounts are
// euro with a decimal comma and no grouping, exact to the ten-thousandth ("-12,5" is written
// "-12,50", "0,0001" as it is). A name a spreadsheet would take for a formula (starting with
// =, +, -, @) gets a leading apostrophe, since party names come from bank statements too.
std::string YearReportCsv(const YearReport &report);

// "-1234,5678", "12,30": the exact euro text of a CSV cell.
std::string CsvEuroAmount(std::int64_t amount);

} // namespace penvaro::core
