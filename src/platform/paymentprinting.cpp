#include "paymentprinting.h"

#include "appstate.h"
#include "payeememory.h"
#include "recipientmemory.h"
#include "uiservice.h"

namespace penvaro::platform {
namespace {

const QString registryFailure = QStringLiteral("Registry-Fehler");

// A rate that is no number converts nothing: a DM amount is then refused, not misbooked.
core::ExchangeRate euroRateOf(const AppState &state) {
    return core::NationalCurrencyFromSettings(state.settings()).rate;
}

bool printForm(AppState &state, core::Canvas &canvas, const core::FormPage &page) {
    const core::PrintCorrection correction{state.settings().printOffsetX,
                                           state.settings().printOffsetY};
    return ReportFailure(state.ui(), core::PrintFormPage(canvas, page, correction));
}

bool book(AppState &state, const core::BookingRecord &record) {
    const bool booked = ReportFailure(
        state.ui(), core::AddPaymentBooking(state.table(), record, state.currentPath()));
    if (booked)
        state.announceBookingChange();
    return booked;
}

QString qt(const std::string &text) {
    return QString::fromStdString(text);
}

} // namespace

std::optional<core::BookingRecord>
PaymentBookingBeforePrint(AppState &state, const core::PaymentBookingInput &input) {
    auto record =
        core::PaymentBooking(state.table(), state.currentPath(), input, euroRateOf(state));
    if (!record) {
        state.ui().showFailure(QString::fromStdString(record.error().message));
        return std::nullopt;
    }
    return std::move(*record);
}

PaymentOutcome PrintTransfer(AppState &state, core::Canvas &canvas,
                             const core::TransferOrder &order) {
    const auto booking =
        PaymentBookingBeforePrint(state, core::TransferBookingInput(order, state.today()));
    if (!booking || !printForm(state, canvas, core::TransferFormPage(order, state.today())))
        return PaymentOutcome::NotPrinted;
    if (!book(state, *booking))
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
    const auto booking =
        PaymentBookingBeforePrint(state, core::CrossedChequeBookingInput(cheque, state.today()));
    if (!booking || !printForm(state, canvas, core::CrossedChequePage(cheque)))
        return PaymentOutcome::NotPrinted;
    // The payee is remembered before the booking: a cheque whose booking cannot be written has
    // still been written out to that payee.
    PayeeMemory memory(state.store());
    const auto &lines = cheque.Empfaenger;
    if (!memory.remember(qt(lines[0]), {qt(lines[1]), qt(lines[2]), qt(lines[3])}))
        ShowError(state.ui(), PayeeMemory::RememberErrorCode, registryFailure);
    return book(state, *booking) ? PaymentOutcome::Booked : PaymentOutcome::PrintedNotBooked;
}

PaymentOutcome PrintEuroCheque(AppState &state, core::Canvas &canvas,
                               const core::EuroCheque &cheque) {
    const auto booking =
        PaymentBookingBeforePrint(state, core::EuroChequeBookingInput(cheque, state.today()));
    if (!booking || !printForm(state, canvas, core::EuroChequePage(cheque)))
        return PaymentOutcome::NotPrinted;
    return book(state, *booking) ? PaymentOutcome::Booked : PaymentOutcome::PrintedNotBooked;
}

bool PrintReceipt(AppState &state, core::Canvas &canvas, const core::FormPage &receipt) {
    return ReportFailure(state.ui(), core::PrintFormPage(canvas, receipt));
}

} // namespace penvaro::platform
