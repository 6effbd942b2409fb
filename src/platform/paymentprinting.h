#pragma once

#include "core/canvas.h"
#include "core/chequeforms.h"
#include "core/formprint.h"
#include "core/paymentbooking.h"
#include "core/transferform.h"

#include <optional>

namespace penvaro::platform {

class AppState;

// How far a payment printout came. Only a booked payment goes on to be kept as a saved
// transfer; whatever stopped it has been shown to the user.
enum class PaymentOutcome { NotPrinted, PrintedNotBooked, Booked };

// The planned debit a payment will book, built before anything is printed. What stands
// against it (an amount that cannot be read or is not above zero, a DM amount without a usable
// rate, a full booking table, an account file opened read-only) is shown, and nothing is
// returned.
std::optional<core::BookingRecord>
PaymentBookingBeforePrint(AppState &state, const core::PaymentBookingInput &input);

// Checks the booking as above, and only when it can be made prints the form with the user's
// correction onto the canvas, then books the planned debit in the open account file and
// remembers the recipient (transfer) or the payee (crossed cheque). A printer that cannot
// begin or finish the job stops everything: no booking, no memory. Only a failed write of the
// booking says that the form was printed but not booked. A memory that cannot be written
// shows "Registry-Fehler" and changes nothing else.
PaymentOutcome PrintTransfer(AppState &state, core::Canvas &canvas,
                             const core::TransferOrder &order);
PaymentOutcome PrintCrossedCheque(AppState &state, core::Canvas &canvas,
                                  const core::CrossedCheque &cheque);
PaymentOutcome PrintEuroCheque(AppState &state, core::Canvas &canvas,
                               const core::EuroCheque &cheque);

// Receipts book nothing; a printer failure is shown. Returns whether it was printed.
bool PrintReceipt(AppState &state, core::Canvas &canvas, const core::FormPage &receipt);

} // namespace penvaro::platform
