#include "creditorid.h"

#include "asciidigits.h"
#include "iban.h"
#include "sepacountries.h"

#include <algorithm>

namespace penvaro::core {
namespace {

constexpr std::size_t headWidth = 7; // country, check digits, business code
constexpr std::size_t longest = 35;  // what a SEPA file's identifier field holds
constexpr std::size_t germanLength = 18;

Error invalid(std::string message) {
    return {ErrorKind::Invalid, std::move(message)};
}

bool isCapital(char c) {
    return c >= 'A' && c <= 'Z';
}

bool isCapitalOrDigit(char c) {
    return isCapital(c) || IsAsciiDigit(c);
}

} // namespace

Result<std::string> CheckCreditorId(std::string_view typed) {
    const std::string id = ElectronicForm(typed);
    if (id.empty())
        return invalid("Bitte geben Sie die Gläubiger-Identifikationsnummer ein.");
    if (!std::all_of(id.begin(), id.end(), isCapitalOrDigit))
        return invalid("Eine Gläubiger-ID besteht nur aus Buchstaben und Ziffern: " + id);
    if (id.size() <= headWidth || !isCapital(id[0]) || !isCapital(id[1]) || !IsAsciiDigit(id[2])
        || !IsAsciiDigit(id[3]))
        return invalid("Eine Gläubiger-ID beginnt mit dem Land in zwei Buchstaben, zwei "
                       "Prüfziffern und drei Zeichen für die Geschäftsbereichskennung; danach "
                       "folgt die nationale Kennung: "
                       + id);
    if (id.size() > longest)
        return invalid("Eine Gläubiger-ID hat höchstens 35 Stellen, diese hat "
                       + std::to_string(id.size()) + ".");
    const std::string country = id.substr(0, 2);
    if (!IsSepaCountry(country))
        return invalid("Das Land " + country
                       + " gehört nicht zum SEPA-Raum und vergibt keine Gläubiger-ID.");
    const std::string national = id.substr(headWidth);
    if (country == "DE") {
        if (id.size() != germanLength)
            return invalid("Eine deutsche Gläubiger-ID hat 18 Stellen, diese hat "
                           + std::to_string(id.size()) + ".");
        if (!AllAsciiDigits(national))
            return invalid("Eine deutsche Gläubiger-ID endet mit elf Ziffern: " + id);
    }
    // 00, 01 and 99 pass the remainder test where 97, 98 and 02 do, but no issuer gives them.
    const std::string checkDigits = id.substr(2, 2);
    if (checkDigits == "00" || checkDigits == "01" || checkDigits == "99"
        || Mod97Remainder(national + id.substr(0, 4)) != 1)
        return invalid("Die Prüfziffern der Gläubiger-ID stimmen nicht: Bitte prüfen Sie sie "
                       "auf Tippfehler.");
    return id;
}

} // namespace penvaro::core
