#include "csvrecords.h"

namespace penvaro::core {

std::vector<CsvRecord> SplitCsvRecords(std::string_view text, char separator) {
    std::vector<CsvRecord> records;
    CsvRecord record;
    std::string field;
    bool quoted = false;
    bool fieldStarted = false;
    int line = 1;
    record.line = line;
    const auto endRecord = [&] {
        record.fields.push_back(std::move(field));
        field.clear();
        records.push_back(std::move(record));
        record = {};
        fieldStarted = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                if (c == '\n' || (c == '\r' && !(i + 1 < text.size() && text[i + 1] == '\n')))
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == '"' && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
        } else if (c == separator) {
            record.fields.push_back(std::move(field));
            field.clear();
            fieldStarted = false;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            endRecord();
            record.line = ++line;
        } else {
            // Text after a closing quote belongs to the same field, as spreadsheets read it.
            field += c;
            fieldStarted = true;
        }
    }
    if (fieldStarted || !record.fields.empty())
        endRecord();
    return records;
}

} // namespace penvaro::core
