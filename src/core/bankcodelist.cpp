#include "bankcodelist.h"

#include "asciidigits.h"
#include "cp1252.h"
#include "fileio.h"

#include <algorithm>
#include <optional>

namespace penvaro::core {
namespace {

// Columns of a line, 0-based start and width.
constexpr std::size_t codeStart = 0, codeWidth = 8;
constexpr std::size_t nameStart = 8, nameWidth = 58;
constexpr std::size_t shortNameStart = 66, shortNameWidth = 27;
constexpr std::size_t postalStart = 93, postalWidth = 5;
constexpr std::size_t placeStart = 98, placeWidth = 29;
constexpr std::size_t usedWidth = placeStart + placeWidth;
constexpr std::size_t bicStart = usedWidth, bicWidth = 11;

// The real file is about 2.5 MB; anything far larger is not a bank code file.
constexpr std::size_t maxFileBytes = 64 * 1024 * 1024;

std::string_view columns(std::string_view line, std::size_t start, std::size_t width) {
    if (start >= line.size())
        return {};
    return line.substr(start, width);
}

std::string_view withoutTrailingBlanks(std::string_view text) {
    const auto end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
}

std::string foldedToCapitals(std::string_view text) {
    std::string folded(text);
    for (char &c : folded) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return folded;
}

bool nameMatches(std::string_view foldedLine, std::string_view name) {
    const auto at = foldedLine.find(name);
    return at != std::string_view::npos && at <= nameStart + nameWidth - 1;
}

bool placeMatches(std::string_view foldedLine, std::string_view place) {
    return columns(foldedLine, placeStart, placeWidth).find(place) != std::string_view::npos;
}

// Why the text is no bank code file as the program writes it (lines of 127 characters, 138
// with the BIC, each ended, each starting with a code of eight digits); none when it is one.
// A file cut short, or something else under its name, would otherwise answer every lookup
// with "unknown bank".
std::optional<std::string> damage(std::string_view text) {
    if (text.empty())
        return "Sie ist leer.";
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const auto end = text.find('\n');
        if (end == std::string_view::npos)
            return "Die letzte Zeile (" + std::to_string(lineNumber)
                   + ") ist unvollständig; die Datei wurde vermutlich abgeschnitten.";
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.size() != usedWidth && line.size() != usedWidth + bicWidth)
            return "Zeile " + std::to_string(lineNumber) + " hat " + std::to_string(line.size())
                   + " Zeichen statt " + std::to_string(usedWidth) + " oder "
                   + std::to_string(usedWidth + bicWidth) + ".";
        if (!AllAsciiDigits(line.substr(codeStart, codeWidth)))
            return "Zeile " + std::to_string(lineNumber)
                   + " beginnt nicht mit einer Bankleitzahl aus acht Ziffern.";
    }
    return std::nullopt;
}

Result<std::string> readChecked(const std::filesystem::path &path) {
    auto text = ReadWholeFile(path, maxFileBytes);
    if (!text)
        return text.error();
    if (const auto reason = damage(*text))
        return Error{ErrorKind::Invalid,
                     "Die Bankleitzahlendatei " + path.string() + " ist beschädigt: " + *reason};
    return text;
}

} // namespace

bool IsCompleteBankCode(std::string_view code) {
    const auto first = code.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return false;
    code = withoutTrailingBlanks(code.substr(first));
    return code.size() == codeWidth && AllAsciiDigits(code);
}

Result<BankCodeList> BankCodeList::Load(const std::filesystem::path &path) {
    const auto text = readChecked(path);
    if (!text)
        return text.error();
    return FromText(*text);
}

Result<void> BankCodeList::Check(const std::filesystem::path &path) {
    if (const auto text = readChecked(path); !text)
        return text.error();
    return {};
}

BankCodeList BankCodeList::FromText(std::string_view text) {
    BankCodeList list;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        std::string bic(columns(line, bicStart, bicWidth));
        std::erase(bic, ' ');
        list.m_bics.push_back(std::move(bic));
        line = line.substr(0, std::min(line.size(), usedWidth));
        const std::string code(columns(line, codeStart, codeWidth));
        list.m_firstLineOfCode.try_emplace(code, list.m_lines.size());
        list.m_folded.push_back(foldedToCapitals(line));
        list.m_lines.emplace_back(line);
    }
    return list;
}

std::string BankCodeList::lookupBankName(std::string_view code) const {
    if (!IsCompleteBankCode(code))
        return std::string(BankNotFound);
    const auto first = code.find_first_not_of(' ');
    const auto found = m_firstLineOfCode.find(std::string(code.substr(first, codeWidth)));
    if (found == m_firstLineOfCode.end())
        return std::string(BankNotFound);
    const std::string_view line = m_lines[found->second];
    return Cp1252ToUtf8(withoutTrailingBlanks(columns(line, shortNameStart, shortNameWidth)));
}

std::string BankCodeList::bicOf(std::string_view code) const {
    if (!IsCompleteBankCode(code))
        return {};
    const std::string wanted(code.substr(code.find_first_not_of(' '), codeWidth));
    const auto found = m_firstLineOfCode.find(wanted);
    if (found == m_firstLineOfCode.end())
        return {};
    // The offices of a bank follow each other; the head office usually comes first and carries
    // the BIC, its branches often do not.
    for (std::size_t i = found->second;
         i < m_lines.size() && columns(m_lines[i], codeStart, codeWidth) == wanted; ++i) {
        if (!m_bics[i].empty())
            return m_bics[i];
    }
    return {};
}

std::vector<BankOffice> BankCodeList::search(std::string_view name, std::string_view place) const {
    const std::string foldedName = foldedToCapitals(Utf8ToCp1252(name));
    const std::string foldedPlace = foldedToCapitals(Utf8ToCp1252(place));
    std::vector<BankOffice> found;
    if (foldedName.empty() && foldedPlace.empty())
        return found;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const std::string_view folded = m_folded[i];
        if (!foldedName.empty() && !nameMatches(folded, foldedName))
            continue;
        if (!foldedPlace.empty() && !placeMatches(folded, foldedPlace))
            continue;
        const std::string_view line = m_lines[i];
        found.push_back({Cp1252ToUtf8(columns(line, codeStart, codeWidth)),
                         Cp1252ToUtf8(columns(line, nameStart, nameWidth)),
                         Cp1252ToUtf8(columns(line, postalStart, postalWidth)),
                         Cp1252ToUtf8(columns(line, placeStart, placeWidth))});
    }
    return found;
}

} // namespace penvaro::core
