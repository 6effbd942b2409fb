#pragma once

#include "canvas.h"
#include "directdebit.h"
#include "result.h"

#include <string>
#include <string_view>
#include <vector>

namespace penvaro::core {

// "…3201": an IBAN as a letter may show it, by its last four characters only.
std::string ShortenedIban(std::string_view iban);

// The pre-notification of a collection as one print job: a page for each member telling the
// creditor, its creditor identifier, the mandate reference, the amount, the due date and the
// member's IBAN by its last four characters, then the list of all of them with their sum for
// the board.
Result<void> PrintPreNotifications(Canvas &canvas, const SepaCreditor &creditor,
                                   const std::vector<DirectDebit> &debits, double dueDate);

} // namespace penvaro::core
