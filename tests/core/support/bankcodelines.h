#pragma once

#include <string>

namespace penvaro::testing {

// One line of a bank code file "blz.asc" in Windows-1252, each text padded (or cut) to its
// columns, ended by CR LF. The texts are given in UTF-8. A BIC, when given, fills the
// columns behind the place.
std::string BankCodeLine(const std::string &code, const std::string &name,
                         const std::string &shortName, const std::string &postalCode,
                         const std::string &place, const std::string &bic = {});

} // namespace penvaro::testing
