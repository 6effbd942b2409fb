#include "mt940details.h"

#include "asciidigits.h"
#include "statement.h"

#include <algorithm>
#include <array>
#include <optional>

namespace penvaro::core {
namespace {

// A subfield starts with "?" and two digits.
bool subfieldStartsAt(std::string_view text, std::size_t pos) {
    return pos + 2 < text.size() && text[pos] == '?' && IsAsciiDigit(text[pos + 1])
           && IsAsciiDigit(text[pos + 2]);
}

std::size_t nextSubfield(std::string_view text, std::size_t from) {
    for (std::size_t pos = from; pos < text.size(); ++pos) {
        if (subfieldStartsAt(text, pos))
            return pos;
    }
    return std::string_view::npos;
}

std::string_view trimmedBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The text of a SEPA tag up to the next tag, blanks at both ends removed; nothing when the
// text holds no such tag.
std::optional<std::string> sepaTagText(std::string_view text, std::string_view tag) {
    const std::size_t marker = text.find(tag);
    if (marker == std::string_view::npos)
        return std::nullopt;
    static constexpr std::array<std::string_view, 12> tags = {
        "EREF+", "KREF+", "MREF+", "CRED+", "DEBT+", "SVWZ+",
        "ABWA+", "ABWE+", "IBAN+", "BIC+",  "COAM+", "OAMT+",
    };
    const std::size_t start = marker + tag.size();
    std::size_t end = text.size();
    for (const std::string_view following : tags)
        end = std::min(end, text.find(following, start));
    return std::string(trimmedBlanks(text.substr(start, end - start)));
}

} // namespace

std::string ExtractSepaPurpose(std::string_view purpose) {
    return sepaTagText(purpose, "SVWZ+").value_or(std::string(purpose));
}

Mt940Details ParseMt940Details(std::string_view field) {
    std::size_t pos = nextSubfield(field, 0);
    if (pos == std::string_view::npos)
        return {{}, {}, std::string(field), {}, {}, {}};
    // What stands before the first subfield is the business transaction code, no text.
    std::string bookingType;
    std::string party;
    std::string purpose;
    std::string bankCodeOrBic;
    std::string accountOrIban;
    while (pos != std::string_view::npos) {
        const int code = (field[pos + 1] - '0') * 10 + (field[pos + 2] - '0');
        const std::size_t next = nextSubfield(field, pos + 3);
        const std::string_view content = field.substr(pos + 3, next - (pos + 3));
        if (code == 0)
            bookingType += content;
        else if (code == 32 || code == 33)
            party += content;
        else if ((code >= 20 && code <= 29) || (code >= 60 && code <= 63))
            purpose += content;
        else if (code == 30)
            bankCodeOrBic += content;
        else if (code == 31)
            accountOrIban += content;
        pos = next;
    }
    // Banks split a tag over two subfields as readily as any other text, so the tags are
    // looked for in the joined purpose.
    return {bookingType,
            party,
            ExtractSepaPurpose(purpose),
            sepaTagText(purpose, "EREF+").value_or(std::string()),
            PartyIban(accountOrIban),
            PartyBic(bankCodeOrBic)};
}

} // namespace penvaro::core
