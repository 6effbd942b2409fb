#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace penvaro::core {

// One record of a CSV text: its fields without their quotes, and the line it starts on.
struct CsvRecord {
    std::vector<std::string> fields;
    int line = 0;
};

// The records of a CSV text as banks write it: fields split at the separator, a field in
// double quotes may hold the separator, line breaks and doubled quotes (""), and lines end in
// CR LF, LF or CR. A quote that never closes runs to the end of the text.
std::vector<CsvRecord> SplitCsvRecords(std::string_view text, char separator);

} // namespace penvaro::core
