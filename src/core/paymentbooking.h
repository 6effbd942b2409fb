#pragma once

#include "bookingtable.h"
#include "chequeforms.h"
#include "exchangerate.h"
#include "result.h"
#include "transferform.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace penvaro::core {

// What a printed payment books: one planned debit. Texts are UTF-8 and cut to their fields
// when the record is built.
struct PaymentBookingInput {
    std::string Buchungsart;
    std::string Absender;
    std::string Verwendungszweck;
    std::string currency;   // the currency text of the form; exactly "DM" is converted to euro
    std::string amountText; // the amount as typed
    double Wertdatum = 0.0;
};

// Transfer: "ÜB" to the recipient with both purpose lines, valued today.
PaymentBookingInput TransferBookingInput(const TransferOrder &order, double today);
// Cheques: "Scheck" to the payee, valued on the date of issue, or today when that is no date.
// The crossed cheque books its first payee line as the payee and the further lines that are
// not empty, joined by single blanks, as the purpose.
PaymentBookingInput CrossedChequeBookingInput(const CrossedCheque &cheque, double today);
PaymentBookingInput EuroChequeBookingInput(const EuroCheque &cheque, double today);

// The amount of a payment form as typed (ReadTypedAmount): every payment is a debit, so the
// amount must be above zero.
Result<std::int64_t> ReadPaymentAmount(std::string_view text);

// An amount typed in "DM" in euro: divided by the rate and rounded to the nearest
// ten-thousandth, an exact half to the even neighbour. Any other currency text is taken as
// euro. Fails for a rate that is not above zero and for a result beyond 64 bits.
Result<std::int64_t> EuroFromTypedAmount(std::int64_t typed, std::string_view currency,
                                         const ExchangeRate &euroRate);

// The planned booking the printed form will make, built before anything is printed, so that
// a form is only printed when it can be booked: fails when the amount is refused, a DM amount
// cannot be converted, the table is full or the account file is open read-only.
Result<BookingRecord> PaymentBooking(const BookingTable &table,
                                     const std::filesystem::path &accountFile,
                                     const PaymentBookingInput &input,
                                     const ExchangeRate &euroRate);

// Adds the booking built before printing to the table and the end of the account file
// (AddBooking). It runs after the form has been printed, so a failure of the write says that
// the form was printed but not booked. The caller sorts and refreshes.
Result<void> AddPaymentBooking(BookingTable &table, const BookingRecord &record,
                               const std::filesystem::path &accountFile);

} // namespace penvaro::core
