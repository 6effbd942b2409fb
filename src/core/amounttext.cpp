#include "amounttext.h"

#include "wideint.h"

#include <algorithm>

namespace penvaro::core {
namespace {

// magnitude × 10^exponent, with the sign kept apart; digits has no leading zeros and is empty
// for zero.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

std::string decimalDigits(UInt128 magnitude) {
    std::string digits;
    for (; magnitude != 0; magnitude /= 10)
        digits += static_cast<char>('0' + static_cast<int>(magnitude % 10));
    std::reverse(digits.begin(), digits.end());
    return digits;
}

UInt128 magnitudeOf(std::int64_t amount) {
    // Negating in 128 bits keeps the most negative amount whole.
    const Int128 wide = amount;
    return static_cast<UInt128>(wide < 0 ? -wide : wide);
}

int powerOfLeadingDigit(const Decimal &value) {
    return static_cast<int>(value.digits.size()) - 1 + value.exponent;
}

// Rounds to a multiple of 10^power, an exact half away from zero.
void roundTo(Decimal &value, int power) {
    if (power <= value.exponent)
        return;
    const auto dropped = static_cast<std::size_t>(power - value.exponent);
    const std::size_t size = value.digits.size();
    const bool up = dropped <= size && value.digits[size - dropped] >= '5';
    value.digits.resize(dropped < size ? size - dropped : 0);
    value.exponent = power;
    if (!up)
        return;
    auto digit = value.digits.rbegin();
    for (; digit != value.digits.rend() && *digit == '9'; ++digit)
        *digit = '0';
    if (digit == value.digits.rend())
        value.digits.insert(value.digits.begin(), '1');
    else
        ++*digit;
}

std::string grouped(const std::string &integerDigits, const std::string &group) {
    std::string text;
    for (std::size_t i = 0; i < integerDigits.size(); ++i) {
        if (i > 0 && (integerDigits.size() - i) % 3 == 0)
            text += group;
        text += integerDigits[i];
    }
    return text;
}

std::string exponentForm(const Decimal &value, const NumberSeparators &separators) {
    std::string mantissa = value.digits;
    mantissa.erase(mantissa.find_last_not_of('0') + 1);
    std::string text(1, mantissa.front());
    if (mantissa.size() > 1)
        text += separators.decimal + mantissa.substr(1);
    const int power = powerOfLeadingDigit(value);
    const std::string powerDigits = std::to_string(power < 0 ? -power : power);
    return text + (power < 0 ? "E-" : "E+") + (powerDigits.size() < 2 ? "0" : "") + powerDigits;
}

std::string formatNumber(Decimal value, const NumberSeparators &separators,
                         SignificantDigits significant) {
    constexpr int decimals = 2;
    const int keep = static_cast<int>(significant);
    if (!value.digits.empty())
        roundTo(value, std::max(-decimals, powerOfLeadingDigit(value) - (keep - 1)));
    if (value.digits.empty())
        return "0" + separators.decimal + "00";

    const std::string sign = value.negative ? "-" : "";
    if (powerOfLeadingDigit(value) + 1 > keep)
        return sign + exponentForm(value, separators);

    // Rounding left the exponent at -decimals or above: the value in hundredths is an integer.
    std::string hundredths =
        value.digits + std::string(static_cast<std::size_t>(value.exponent + decimals), '0');
    const std::size_t fraction = decimals;
    if (hundredths.size() <= fraction)
        hundredths.insert(0, fraction + 1 - hundredths.size(), '0');
    const std::size_t integerDigits = hundredths.size() - fraction;
    return sign + grouped(hundredths.substr(0, integerDigits), separators.group)
           + separators.decimal + hundredths.substr(integerDigits);
}

} // namespace

std::string FormatEuroNumber(std::int64_t amount, const NumberSeparators &separators,
                             SignificantDigits digits) {
    return formatNumber({amount < 0, decimalDigits(magnitudeOf(amount)), -4}, separators, digits);
}

std::string FormatNationalNumber(std::int64_t amount, const ExchangeRate &rate,
                                 const NumberSeparators &separators, SignificantDigits digits) {
    // At most 19 by 17 digits: the product fits 128 bits.
    const UInt128 product = magnitudeOf(amount) * rate.digits;
    return formatNumber({(amount < 0) != rate.negative, decimalDigits(product), rate.exponent - 4},
                        separators, digits);
}

std::string FormatEuroText(std::int64_t amount, const NumberSeparators &separators,
                           SignificantDigits digits) {
    return FormatEuroNumber(amount, separators, digits) + " €";
}

std::string FormatNationalText(std::int64_t amount, const NationalCurrency &currency,
                               const NumberSeparators &separators, SignificantDigits digits) {
    return FormatNationalNumber(amount, currency.rate, separators, digits) + " " + currency.name;
}

std::string FormatCombinedText(std::int64_t amount, const NationalCurrency &currency,
                               const NumberSeparators &separators, SignificantDigits digits) {
    return FormatEuroText(amount, separators, digits) + " = "
           + FormatNationalText(amount, currency, separators, digits);
}

} // namespace penvaro::core
