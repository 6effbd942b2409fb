#include "paymentbooking.h"

#include "amountinput.h"
#include "bookingchanges.h"
#include "date.h"
#include "wideint.h"

#include <limits>

namespace penvaro::core {
namespace {

const std::string notBooked = "Das Formular wurde gedruckt, aber nicht gebucht";

Error notBookedBecause(const Error &cause) {
    return {cause.kind, notBooked + ". " + cause.message};
}

} // namespace

PaymentBookingInput TransferBookingInput(const TransferOrder &order, double today) {
    return {"ÜB",        order.Empfaenger, order.Verwendung1 + " " + order.Verwendung2,
            order.DMEUR, order.Betrag,     today};
}

PaymentBookingInput CrossedChequeBookingInput(const CrossedCheque &cheque, double today) {
    const auto &lines = cheque.Empfaenger;
    return {"Scheck",
            lines[0] + " " + lines[1] + " " + lines[2] + " " + lines[3],
            {},
            cheque.DMEUR,
            cheque.Betrag,
            ParseDate(cheque.Datum).value_or(today)};
}

PaymentBookingInput EuroChequeBookingInput(const EuroCheque &cheque, double today) {
    return {"Scheck",        cheque.Empfaenger, {},
            cheque.Waehrung, cheque.Betrag,     ParseDate(cheque.Datum).value_or(today)};
}

Result<std::int64_t> EuroFromTypedAmount(std::int64_t typed, std::string_view currency,
                                         const ExchangeRate &euroRate) {
    if (currency != "DM")
        return typed;
    if (euroRate.digits == 0 || euroRate.negative)
        return Error{ErrorKind::Invalid,
                     "Ein DM-Betrag lässt sich nur mit einem Eurokurs über null umrechnen."};
    // typed ÷ (digits × 10^exponent), exactly in 128 bits: the power of ten goes to the side
    // where it multiplies.
    const Error tooLarge{ErrorKind::Overflow, "Der Betrag ist zu groß."};
    constexpr Int128 int128Max = ~static_cast<UInt128>(0) >> 1;
    Int128 numerator = typed;
    Int128 denominator = static_cast<Int128>(euroRate.digits);
    for (int e = euroRate.exponent; e < 0; ++e) {
        if (numerator > int128Max / 10 || numerator < -(int128Max / 10))
            return tooLarge;
        numerator *= 10;
    }
    for (int e = euroRate.exponent; e > 0; --e) {
        // Beyond 10^20 every 64-bit amount divides to less than half a unit.
        if (denominator > static_cast<Int128>(1) << 70)
            return std::int64_t{0};
        denominator *= 10;
    }
    Int128 quotient = numerator / denominator;
    const Int128 remainder = numerator % denominator;
    const Int128 twice = 2 * (remainder < 0 ? -remainder : remainder);
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        quotient += numerator < 0 ? -1 : 1;
    if (quotient > std::numeric_limits<std::int64_t>::max()
        || quotient < std::numeric_limits<std::int64_t>::min())
        return tooLarge;
    return static_cast<std::int64_t>(quotient);
}

Result<BookingRecord> PaymentBooking(const PaymentBookingInput &input,
                                     const PaymentNumbers &numbers) {
    const auto typed = ParseAmount(input.amountText, numbers.decimalSeparator);
    if (!typed)
        return Error{ErrorKind::Invalid,
                     notBooked + ", denn der Betrag ist keine Zahl: " + input.amountText};
    auto euro = EuroFromTypedAmount(*typed, input.currency, numbers.euroRate);
    if (!euro)
        return notBookedBecause(euro.error());

    BookingRecord record;
    record.Satzart = BookingKind::Planned;
    record.Wertdatum = input.Wertdatum;
    record.Buchungsart.setUtf8(input.Buchungsart);
    record.Absender.setUtf8(input.Absender);
    record.Verwendungszweck.setUtf8(input.Verwendungszweck);
    record.SollHaben = u'-';
    record.Betrag = *euro;
    return record;
}

Result<void> AddPaymentBooking(BookingTable &table, const PaymentBookingInput &input,
                               const PaymentNumbers &numbers,
                               const std::filesystem::path &accountFile) {
    auto record = PaymentBooking(input, numbers);
    if (!record)
        return record.error();
    if (auto added = AddBooking(table, *record, accountFile); !added)
        return notBookedBecause(added.error());
    return {};
}

} // namespace penvaro::core
