#pragma once

#include "core/paymentbooking.h"

#include <cstdint>
#include <string>

class QLineEdit;

namespace penvaro::platform {
class AppState;
class UiService;
} // namespace penvaro::platform

namespace penvaro::payments {

// The payment window's number for an amount it will not print, and the template editor's for
// one it will not save.
inline constexpr std::int32_t ErrorPaymentAmount = 26590;
inline constexpr std::int32_t ErrorTemplateAmount = 26591;

// Every check the booking of a payment needs, made before anything is printed or a printer is
// chosen. A refused amount shows the window's numbered message and leaves the amount selected
// in its field for retyping; any other refusal (DM rate, full table, file opened read-only)
// shows its failure. Returns whether the form may be printed.
bool ReadyToPrint(platform::AppState &state, QLineEdit &amount,
                  const core::PaymentBookingInput &input);

// The numbered message of a refused amount; then the amount is selected in its field.
void RefuseAmount(platform::UiService &ui, std::int32_t code, const std::string &message,
                  QLineEdit &amount);

} // namespace penvaro::payments
