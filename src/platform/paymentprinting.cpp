#include "paymentprinting.h"

#include "appstate.h"
#include "payeememory.h"
#include "recipientmemory.h"
#include "uiservice.h"

#include "core/paymentbooking.h"

#include <QLocale>

namespace penvaro::platform {
namespace {

const QString registryFailure = QStringLiteral("Registry-Fehler");

core::PaymentNumbers numbersOf(const AppState &state) {
    const QString separator = QLocale().decimalPoint();
    // A separator outside ASCII cannot be matched byte by byte; such a locale types no
    // fractions, which is safer than misreading them.
    const char decimalSeparator = separator.size() == 1 && separator.at(0).unicode() < 0x80
                                      ? separator.at(0).toLatin1()
                                      : '\0';
    // A rate that is no number converts nothing: a DM amount is then refused, not misbooked.
    auto rate = core::ExchangeRateFromDouble(state.settings().Eurokurs);
    return {rate ? *rate : core::ExchangeRate{}, decimalSeparator};
}

bool printForm(AppState &state, core::Canvas &canvas, const core::FormPage &page) {
    const core::PrintCorrection correction{state.settings().KorrH, state.settings().KorrV};
    return ReportFailure(state.ui(), core::PrintFormPage(canvas, page, correction));
}

bool book(AppState &state, const core::PaymentBookingInput &input) {
    const bool booked =
        ReportFailure(state.ui(), core::AddPaymentBooking(state.table(), input, numbersOf(state),
                                                          state.currentPath()));
    if (booked)
        state.announceBookingChange();
    return booked;
}

QString qt(const std::string &text) {
    return QString::fromStdString(text);
}

} // namespace

PaymentOutcome PrintTransfer(AppState &state, core::Canvas &canvas,
                             const core::TransferOrder &order) {
    if (!printForm(state, canvas, core::TransferFormPage(order, state.today())))
        return PaymentOutcome::NotPrinted;
    if (!book(state, core::TransferBookingInput(order, state.today())))
        return PaymentOutcome::PrintedNotBooked;
    RecipientMemory memory(state.store());
    RememberedRecipient recipient{qt(order.Kontonr), qt(order.BLZ), qt(order.Bank)};
    // The IBAN a SEPA transfer left for the same account stays; for another account it would
    // be wrong.
    if (const auto known = memory.recall(qt(order.Empfaenger));
        known && known->Kontonr == recipient.Kontonr && known->BLZ == recipient.BLZ) {
        recipient.iban = known->iban;
        recipient.bic = known->bic;
    }
    if (!memory.remember(qt(order.Empfaenger), recipient))
        ShowError(state.ui(), RecipientMemory::RememberErrorCode, registryFailure);
    return PaymentOutcome::Booked;
}

PaymentOutcome PrintCrossedCheque(AppState &state, core::Canvas &canvas,
                                  const core::CrossedCheque &cheque) {
    if (!printForm(state, canvas, core::CrossedChequePage(cheque)))
        return PaymentOutcome::NotPrinted;
    // The payee is remembered before the booking: a cheque with a mistyped amount has still
    // been written out to that payee.
    PayeeMemory memory(state.store());
    const auto &lines = cheque.Empfaenger;
    if (!memory.remember(qt(lines[0]), {qt(lines[1]), qt(lines[2]), qt(lines[3])}))
        ShowError(state.ui(), PayeeMemory::RememberErrorCode, registryFailure);
    return book(state, core::CrossedChequeBookingInput(cheque, state.today()))
               ? PaymentOutcome::Booked
               : PaymentOutcome::PrintedNotBooked;
}

PaymentOutcome PrintEuroCheque(AppState &state, core::Canvas &canvas,
                               const core::EuroCheque &cheque) {
    if (!printForm(state, canvas, core::EuroChequePage(cheque)))
        return PaymentOutcome::NotPrinted;
    return book(state, core::EuroChequeBookingInput(cheque, state.today()))
               ? PaymentOutcome::Booked
               : PaymentOutcome::PrintedNotBooked;
}

bool PrintReceipt(AppState &state, core::Canvas &canvas, const core::FormPage &receipt) {
    return ReportFailure(state.ui(), core::PrintFormPage(canvas, receipt));
}

} // namespace penvaro::platform
