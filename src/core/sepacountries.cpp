#include "sepacountries.h"

#include <algorithm>
#include <array>
#include <string>

namespace penvaro::core {
namespace {

struct SepaCountry {
    std::string_view country;
    bool inEea;
};

// The countries of the SEPA schemes with IBANs of their own (as of 2025). Territories such as
// the Canary Islands, Åland or Guadeloupe use the IBANs of Spain, Finland or France; Albania,
// Moldova, Montenegro, North Macedonia and Serbia joined in 2024 and 2025.
constexpr std::array<SepaCountry, 42> sepaCountries{{
    {"AD", false}, {"AL", false}, {"AT", true},  {"BE", true},  {"BG", true},  {"CH", false},
    {"CY", true},  {"CZ", true},  {"DE", true},  {"DK", true},  {"EE", true},  {"ES", true},
    {"FI", true},  {"FR", true},  {"GB", false}, {"GI", false}, {"GR", true},  {"HR", true},
    {"HU", true},  {"IE", true},  {"IS", true},  {"IT", true},  {"LI", true},  {"LT", true},
    {"LU", true},  {"LV", true},  {"MC", false}, {"MD", false}, {"ME", false}, {"MK", false},
    {"MT", true},  {"NL", true},  {"NO", true},  {"PL", true},  {"PT", true},  {"RO", true},
    {"RS", false}, {"SE", true},  {"SI", true},  {"SK", true},  {"SM", false}, {"VA", false},
}};

struct SharedIban {
    std::string_view bicCountry;
    std::string_view ibanCountry;
};

// Banks whose BIC names a territory but whose accounts carry another country's IBAN.
constexpr std::array<SharedIban, 16> sharedIbans{{
    {"JE", "GB"},
    {"GG", "GB"},
    {"IM", "GB"},
    {"AX", "FI"},
    {"GF", "FR"},
    {"GP", "FR"},
    {"MQ", "FR"},
    {"RE", "FR"},
    {"YT", "FR"},
    {"PM", "FR"},
    {"BL", "FR"},
    {"MF", "FR"},
    {"NC", "FR"},
    {"PF", "FR"},
    {"WF", "FR"},
    {"MC", "FR"},
}};

const SepaCountry *find(std::string_view country) {
    const auto row = std::find_if(sepaCountries.begin(), sepaCountries.end(),
                                  [&](const SepaCountry &c) { return c.country == country; });
    return row == sepaCountries.end() ? nullptr : &*row;
}

} // namespace

bool IsSepaCountry(std::string_view ibanCountry) {
    return find(ibanCountry) != nullptr;
}

bool SepaNeedsBic(std::string_view ibanCountry) {
    const SepaCountry *row = find(ibanCountry);
    return row == nullptr || !row->inEea;
}

bool BicFitsIbanCountry(std::string_view bicCountry, std::string_view ibanCountry) {
    if (bicCountry == ibanCountry)
        return true;
    return std::any_of(sharedIbans.begin(), sharedIbans.end(), [&](const SharedIban &s) {
        return s.bicCountry == bicCountry && s.ibanCountry == ibanCountry;
    });
}

Result<void> CheckSepaIbanCountry(std::string_view iban) {
    const std::string_view country = iban.substr(0, 2);
    if (IsSepaCountry(country))
        return {};
    return Error{ErrorKind::Invalid, "Das Land " + std::string(country)
                                         + " der IBAN gehört nicht zum SEPA-Raum: Dorthin geht "
                                           "keine SEPA-Zahlung."};
}

} // namespace penvaro::core
