#include "bankcodelines.h"

#include "core/cp1252.h"

namespace penvaro::testing {
namespace {

std::string column(const std::string &utf8, std::size_t width) {
    std::string text = core::Utf8ToCp1252(utf8);
    text.resize(width, ' ');
    return text;
}

} // namespace

std::string BankCodeLine(const std::string &code, const std::string &name,
                         const std::string &shortName, const std::string &postalCode,
                         const std::string &place, const std::string &bic) {
    return column(code, 8) + column(name, 58) + column(shortName, 27) + column(postalCode, 5)
           + column(place, 29) + (bic.empty() ? std::string() : column(bic, 11)) + "\r\n";
}

} // namespace penvaro::testing
