#pragma once

#include "result.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace penvaro::core {

// What a lookup gives for a code that no bank office carries.
inline constexpr std::string_view BankNotFound = "nicht vorhanden";

// One bank office as the search lists it: the column slices of its line exactly, trailing
// blanks included, in UTF-8.
struct BankOffice {
    std::string Bankleitzahl;
    std::string Bankname;
    std::string PLZ;
    std::string Ort;

    friend bool operator==(const BankOffice &, const BankOffice &) = default;
};

// The lines of a bank code file "blz.asc" (Windows-1252, fixed columns: code 1-8, name 9-66,
// short name 67-93, postal code 94-98, place 99-127, and in newer files the BIC 128-138), read
// once. A lookup goes through an index of the codes instead of scanning some 16,000 lines each
// time a field is left.
class BankCodeList {
public:
    // Refuses, naming the file, one that is not whole: a line not of the columns' length or
    // not starting with a code, a last line cut short, an empty file.
    static Result<BankCodeList> Load(const std::filesystem::path &path);
    // The same checks without building the list.
    static Result<void> Check(const std::filesystem::path &path);
    static BankCodeList FromText(std::string_view cp1252Text);

    // The short name of the first line whose columns 1-8 are the code, without trailing
    // blanks, or "nicht vorhanden". Only a complete code of eight digits is looked for.
    std::string lookupBankName(std::string_view code) const;

    // Every line, in file order, whose name columns hold the name (a match starting at column
    // 66 or earlier) and whose place columns hold the place; an empty text is not asked for,
    // and with both empty nothing matches. Only the letters a-z are folded to capitals, so
    // umlauts must be typed in the case the file uses.
    std::vector<BankOffice> search(std::string_view name, std::string_view place) const;

    // The BIC of the first line of the code that has one, without blanks; empty for an unknown
    // code and for files from before the BIC column.
    std::string bicOf(std::string_view code) const;

    std::size_t size() const { return m_lines.size(); }

private:
    std::vector<std::string> m_lines;  // as in the file, cut at column 127
    std::vector<std::string> m_bics;   // columns 128-138 of each line, without blanks
    std::vector<std::string> m_folded; // the same with a-z turned to capitals
    std::unordered_map<std::string, std::size_t> m_firstLineOfCode;
};

// A code as a bank code field hands it over, blanks around it ignored: eight digits or not a
// code at all. An eight-digit masked field gives blanks where nothing was typed.
bool IsCompleteBankCode(std::string_view code);

} // namespace penvaro::core
