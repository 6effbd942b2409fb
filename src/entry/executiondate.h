#pragma once

namespace penvaro::entry {

// A recurring booking's first execution lies on its execution day (1 to 30). In a month that
// lacks the day, 29 or 30 in February, the month's last day stands for it: it keeps the month,
// which the intervals of 2, 3 and 6 months count from, and the check of the month's last day
// plans bookings whose day the month lacks.
double OnExecutionDay(double date, int executionDay);

} // namespace penvaro::entry
