#include "executiondate.h"

#include "core/date.h"

#include <algorithm>

namespace penvaro::entry {

double OnExecutionDay(double date, int executionDay) {
    auto civil = core::CivilFromDayCount(date);
    if (!civil)
        return date;
    civil->day = std::clamp(executionDay, 1, core::DaysInMonth(civil->year, civil->month));
    return core::DayCountFromCivil(*civil);
}

} // namespace penvaro::entry
