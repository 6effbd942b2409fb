#include "paymentcheck.h"

#include "platform/appstate.h"
#include "platform/paymentprinting.h"
#include "platform/uiservice.h"

#include <QLineEdit>

namespace penvaro::payments {

bool ReadyToPrint(platform::AppState &state, QLineEdit &amount,
                  const core::PaymentBookingInput &input) {
    if (const auto read = core::ReadPaymentAmount(input.amountText); !read) {
        RefuseAmount(state.ui(), ErrorPaymentAmount, read.error().message, amount);
        return false;
    }
    return platform::PaymentBookingBeforePrint(state, input).has_value();
}

void RefuseAmount(platform::UiService &ui, std::int32_t code, const std::string &message,
                  QLineEdit &amount) {
    platform::ShowError(ui, code, QString::fromStdString(message));
    amount.setFocus(Qt::OtherFocusReason);
    amount.selectAll();
}

} // namespace penvaro::payments
