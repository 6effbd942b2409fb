#pragma once

#include "result.h"
#include "statement.h"

#include <string>
#include <string_view>
#include <vector>

namespace penvaro::core {

// The names --csv-layout takes, in the order files are tried against them.
std::vector<std::string> BankCsvLayoutNames();

// Whether the text is a bank's CSV export of a known layout: its header line is found among
// the first lines.
bool IsBankCsv(std::string_view bytes);

// Reads a bank's CSV export (UTF-8 with or without byte-order mark, or Windows-1252 as
// DecodeBankText tells them apart) into one statement without number: the account as the file
// names it, the entries in file order, dated by the latest value date. The layout is found by
// the header line unless layoutName names one. Rows the bank has not booked yet are kept as
// pending entries. Lines before the header and lines after the table that are no entry are
// passed over; a line in the table that cannot be read refuses the file, naming the line. A
// file in no known layout is refused naming its first line.
Result<std::vector<Statement>> ParseBankCsv(std::string_view bytes,
                                            std::string_view layoutName = {});

} // namespace penvaro::core
