#pragma once

#include "amounttext.h"
#include "balancecourse.h"
#include "canvas.h"
#include "result.h"
#include "yearreport.h"

#include <optional>
#include <string>

namespace penvaro::core {

struct YearReportPrintOptions {
    std::string title; // the job title and the heading of each page
    NumberSeparators separators = GermanSeparators;
    // Amounts in the national currency instead of euro.
    std::optional<NationalCurrency> national;
};

// The year's report on paper: the table on the first page (continued on further pages when it
// is long), then a page with the two charts. The bars are hatched, one direction per group, and
// the projected balance is dashed, so that the printout reads in black and white.
Result<void> PrintYearReport(Canvas &canvas, const YearReport &report, const MonthlyFlows &flows,
                             const BalanceCourse &course, const YearReportPrintOptions &options);

} // namespace penvaro::core
