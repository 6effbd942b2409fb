#include "bundesbankimport.h"

#include "asciidigits.h"
#include "fileio.h"

#include <algorithm>
#include <cstdint>

namespace penvaro::core {
namespace {

struct Column {
    std::size_t start; // 0-based
    std::size_t width;
};

constexpr Column code{0, 8};
constexpr Column name{9, 58};
constexpr Column postalCode{67, 5};
constexpr Column place{72, 35};
constexpr Column shortName{107, 27};
constexpr Column bic{139, 11};
constexpr std::size_t minimumLength = shortName.start + shortName.width;

constexpr std::size_t placeWidthInProgram = 29;
constexpr std::size_t maxFileBytes = 64 * 1024 * 1024;

// ISO-8859-1 and Windows-1252 agree on every printable character; the C1 control range that
// Windows-1252 fills with other characters has no place in a bank's name.
char toWindows1252(char latin1) {
    const auto byte = static_cast<std::uint8_t>(latin1);
    return byte >= 0x80 && byte < 0xA0 ? '?' : latin1;
}

void append(std::string &out, std::string_view line, Column column, std::size_t width) {
    std::transform(line.begin() + static_cast<std::ptrdiff_t>(column.start),
                   line.begin() + static_cast<std::ptrdiff_t>(column.start + width),
                   std::back_inserter(out), toWindows1252);
}

} // namespace

Result<std::string> ConvertBundesbankText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t lineNumber = 0;
    std::size_t banks = 0;
    // Lines may end in CR LF, LF or a lone CR: a file saved on an old Mac would otherwise be one
    // long line that gives a single bank.
    while (!text.empty()) {
        const auto end = text.find_first_of("\r\n");
        const std::string_view line = text.substr(0, end);
        std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end != std::string_view::npos && text[end] == '\r' && next < text.size()
            && text[next] == '\n')
            ++next;
        text.remove_prefix(next);
        ++lineNumber;
        if (line.empty())
            continue;
        if (line.size() < minimumLength || !AllAsciiDigits(line.substr(code.start, code.width)))
            return Error{ErrorKind::Invalid,
                         "Zeile " + std::to_string(lineNumber)
                             + " ist keine Zeile der Bankleitzahlendatei der Bundesbank: Sie "
                               "beginnt nicht mit acht Ziffern oder ist kürzer als "
                             + std::to_string(minimumLength) + " Zeichen."};
        append(out, line, code, code.width);
        append(out, line, name, name.width);
        append(out, line, shortName, shortName.width);
        append(out, line, postalCode, postalCode.width);
        append(out, line, place, placeWidthInProgram);
        if (line.size() >= bic.start + bic.width
            && line.substr(bic.start, bic.width).find_first_not_of(' ') != std::string_view::npos)
            append(out, line, bic, bic.width);
        out += "\r\n";
        ++banks;
    }
    // Written out, an empty list would answer every lookup with "not found".
    if (banks == 0)
        return Error{ErrorKind::Invalid, "Die Datei enthält keine einzige Bankleitzahl."};
    return out;
}

Result<void> ImportBundesbankFile(const std::filesystem::path &bundesbankFile,
                                  const std::filesystem::path &target) {
    const auto text = ReadWholeFile(bundesbankFile, maxFileBytes);
    if (!text)
        return text.error();
    const auto converted = ConvertBundesbankText(*text);
    if (!converted)
        return Error{converted.error().kind, "Beim Lesen von " + bundesbankFile.string() + ": "
                                                 + converted.error().message};
    return WriteFileAtomically(
        target,
        std::span(reinterpret_cast<const std::uint8_t *>(converted->data()), converted->size()));
}

} // namespace penvaro::core
