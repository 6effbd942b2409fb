#pragma once

#include "result.h"

#include <string_view>

namespace penvaro::core {

// Whether accounts with IBANs of the country (its two letters) are reached by SEPA payments.
bool IsSepaCountry(std::string_view ibanCountry);

// Within the EEA the IBAN alone finds the bank; a payment to the other SEPA countries still
// has to name the bank by its BIC.
bool SepaNeedsBic(std::string_view ibanCountry);

// Whether a bank whose BIC carries bicCountry keeps accounts with IBANs of ibanCountry: the
// same country, or a territory that uses another country's IBANs (Jersey's banks and GB,
// Réunion's and FR).
bool BicFitsIbanCountry(std::string_view bicCountry, std::string_view ibanCountry);

// Refuses an IBAN (electronic form) that no SEPA payment reaches.
Result<void> CheckSepaIbanCountry(std::string_view iban);

} // namespace penvaro::core
