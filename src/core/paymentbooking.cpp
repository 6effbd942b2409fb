#include "paymentbooking.h"

#include "bookingchanges.h"
#include "bookingtexts.h"
#include "date.h"
#include "typedamount.h"
#include "wideint.h"

#include <span>

namespace penvaro::core {
namespace {

Error notBookedBecause(const Error &cause) {
    return {cause.kind, "Das Formular wurde gedruckt, aber nicht gebucht. " + cause.message};
}

std::string joinedNonEmpty(std::span<const std::string> lines) {
    std::string joined;
    for (const std::string &line : lines) {
        if (line.empty())
            continue;
        if (!joined.empty())
            joined += ' ';
        joined += line;
    }
    return joined;
}

} // namespace

PaymentBookingInput TransferBookingInput(const TransferOrder &order, double today) {
    return {"ÜB",        order.Empfaenger, order.Verwendung1 + " " + order.Verwendung2,
            order.DMEUR, order.Betrag,     today};
}

PaymentBookingInput CrossedChequeBookingInput(const CrossedCheque &cheque, double today) {
    const auto &lines = cheque.Empfaenger;
    return {"Scheck",     lines[0],      joinedNonEmpty(std::span(lines).subspan(1)),
            cheque.DMEUR, cheque.Betrag, ParseDate(cheque.Datum).value_or(today)};
}

PaymentBookingInput EuroChequeBookingInput(const EuroCheque &cheque, double today) {
    return {"Scheck",        cheque.Empfaenger, {},
            cheque.Waehrung, cheque.Betrag,     ParseDate(cheque.Datum).value_or(today)};
}

Result<std::int64_t> ReadPaymentAmount(std::string_view text) {
    auto amount = ReadTypedAmount(text);
    if (!amount || *amount != 0)
        return amount;
    const std::size_t first = text.find_first_not_of(" \t");
    const std::string shown(text.substr(first, text.find_last_not_of(" \t") + 1 - first));
    return Error{ErrorKind::Invalid,
                 "Unzulässiger Betrag: " + shown + " (mehr als null, z. B. 1.234,56)"};
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
    if (!FitsInt64(quotient))
        return tooLarge;
    return static_cast<std::int64_t>(quotient);
}

Result<BookingRecord> PaymentBooking(const BookingTable &table,
                                     const std::filesystem::path &accountFile,
                                     const PaymentBookingInput &input,
                                     const ExchangeRate &euroRate) {
    const auto typed = ReadPaymentAmount(input.amountText);
    if (!typed)
        return typed.error();
    const auto euro = EuroFromTypedAmount(*typed, input.currency, euroRate);
    if (!euro)
        return euro.error();
    if (table.remaining() < 1)
        return TableFullError();
    if (table.readOnly)
        return ReadOnlyError(accountFile);

    BookingRecord record;
    record.Satzart = BookingKind::Planned;
    record.Wertdatum = input.Wertdatum;
    SetBookingTexts(record,
                    {input.Buchungsart, input.Absender, input.Verwendungszweck, {}, {}, {}});
    record.SollHaben = u'-';
    record.Betrag = *euro;
    return record;
}

Result<void> AddPaymentBooking(BookingTable &table, const BookingRecord &record,
                               const std::filesystem::path &accountFile) {
    if (auto added = AddBooking(table, record, accountFile); !added)
        return notBookedBecause(added.error());
    return {};
}

} // namespace penvaro::core
