#pragma once

#include "core/balancecourse.h"
#include "core/yearreport.h"
#include "ledger/amountdisplay.h"

#include <QString>

class QChart;

namespace penvaro::report {

// The two charts of the year's report. Each set of bars has a hatch pattern of its own and
// the projected balance a dashed line, so that both read without colour; the descriptions say
// in words what the charts draw, for screen readers.

// Per month the outgoing sums stacked by group beside the incoming sum.
QChart *MonthlyFlowsChart(const core::MonthlyFlows &flows);
QString DescribeMonthlyFlows(const core::MonthlyFlows &flows, const ledger::AmountDisplay &amounts);

// The book balance day by day, continued by the projected balance.
QChart *BalanceCourseChart(const core::BalanceCourse &course);
QString DescribeBalanceCourse(const core::BalanceCourse &course,
                              const ledger::AmountDisplay &amounts);

} // namespace penvaro::report
