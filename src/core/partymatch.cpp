#include "partymatch.h"

#include "asciidigits.h"

#include <array>
#include <sstream>
#include <vector>

namespace penvaro::core {
namespace {

// Letters beyond ASCII that German names use, as a typed name may spell them.
struct Spelling {
    std::string_view utf8;
    std::string_view ascii;
};

constexpr std::array<Spelling, 16> spellings = {{
    {"ä", "ae"},
    {"Ä", "ae"},
    {"ö", "oe"},
    {"Ö", "oe"},
    {"ü", "ue"},
    {"Ü", "ue"},
    {"ß", "ss"},
    {"é", "e"},
    {"É", "e"},
    {"è", "e"},
    {"á", "a"},
    {"à", "a"},
    {"ó", "o"},
    {"ç", "c"},
    {"ñ", "n"},
    {"ẞ", "ss"},
}};

// Words of a legal form, as they stand after punctuation became blanks ("e.V." is "e v").
constexpr std::array<std::string_view, 16> legalForms = {
    "gmbh",
    "mbh",
    "ag",
    "kg",
    "ohg",
    "ug",
    "eg",
    "ev",
    "kgaa",
    "se",
    "gbr",
    "co",
    "haftungsbeschraenkt",
    "e",
    "v",
    "ltd",
};

bool isLegalForm(const std::string &word) {
    for (const std::string_view form : legalForms) {
        if (word == form)
            return true;
    }
    return false;
}

} // namespace

std::string ComparablePartyName(std::string_view utf8) {
    std::string ascii;
    for (std::size_t i = 0; i < utf8.size();) {
        bool replaced = false;
        for (const Spelling &s : spellings) {
            if (utf8.substr(i).starts_with(s.utf8)) {
                ascii += s.ascii;
                i += s.utf8.size();
                replaced = true;
                break;
            }
        }
        if (replaced)
            continue;
        const char c = utf8[i++];
        if (c >= 'A' && c <= 'Z')
            ascii += static_cast<char>(c - 'A' + 'a');
        else if ((c >= 'a' && c <= 'z') || IsAsciiDigit(c))
            ascii += c;
        else
            ascii += ' ';
    }
    std::istringstream words(ascii);
    std::string word;
    std::string result;
    std::vector<std::string> kept;
    while (words >> word)
        kept.push_back(word);
    // A single letter stands for a legal form only beside another one ("e V"), not as an
    // initial.
    for (std::size_t i = 0; i < kept.size(); ++i) {
        const bool letterOfForm =
            kept[i].size() == 1
            && ((i > 0 && kept[i - 1].size() == 1 && isLegalForm(kept[i - 1]))
                || (i + 1 < kept.size() && kept[i + 1].size() == 1 && isLegalForm(kept[i + 1])));
        if ((kept[i].size() > 1 && isLegalForm(kept[i])) || (letterOfForm && isLegalForm(kept[i])))
            continue;
        result += (result.empty() ? "" : " ") + kept[i];
    }
    return result;
}

bool SameParty(std::string_view utf8, std::string_view otherUtf8) {
    const std::string one = ComparablePartyName(utf8);
    const std::string other = ComparablePartyName(otherUtf8);
    if (one.empty() || other.empty())
        return false;
    const std::string longer = ' ' + (one.size() >= other.size() ? one : other) + ' ';
    const std::string shorter = ' ' + (one.size() >= other.size() ? other : one) + ' ';
    return longer.find(shorter) != std::string::npos;
}

PartyAgreement CompareParty(const PartyEvidence &planned, const PartyEvidence &bank) {
    if (!planned.iban.empty() && !bank.iban.empty()) {
        if (planned.iban == bank.iban)
            return PartyAgreement::Iban;
        return PartyAgreement::Differs;
    }
    if (SameParty(planned.name, bank.name))
        return PartyAgreement::Name;
    if (SameParty(planned.purpose, bank.purpose))
        return PartyAgreement::Purpose;
    if (ComparablePartyName(planned.name).empty() || ComparablePartyName(bank.name).empty())
        return PartyAgreement::Unknown;
    return PartyAgreement::Differs;
}

} // namespace penvaro::core
