#pragma once

#include "bookingrecord.h"
#include "statement.h"

namespace penvaro::core {

// The completed booking (kind 1) an entry of the statement becomes: statement number and date
// of the statement, its year as statement year, the value date, the booking date or, when the
// bank gave none, the value date, direction and amount; no category (Buchungsart), which the
// bank's booking type is not. The texts are stored like typed texts
// (Windows-1252, "?" for what it cannot hold, cut to 30 and 50 characters) and lose their
// trailing blanks; a control character such as a tab or line break becomes a blank, and a dash
// the code page lacks becomes "-". A collective entry's party ends in " und 2 weitere", its
// name cut to leave room for it.
BookingRecord CompletedBookingFromEntry(const Statement &statement, const StatementEntry &entry);

} // namespace penvaro::core
