#pragma once

#include "bookingtable.h"
#include "canvas.h"
#include "listpage.h"
#include "result.h"
#include "search.h"

namespace penvaro::core {

struct EvaluationPrintOptions {
    // Columns, header choices and currency as in the booking list; the titles are the
    // evaluation print dialog's.
    ListPrintOptions list;
    bool statementData = true; // the account keeps statement data ("AuszugsdatAN")
    bool bookingDates = false; // the account keeps booking dates ("BuchungsdatAN")
};

// Whether a completed or a planned booking matches, that is whether the printout has a row.
bool HasEvaluationData(const BookingTable &table, const BookingMatcher &matcher);

enum class EvaluationPrintOutcome { Printed, NothingToPrint };

// The completed and planned bookings the matcher's rule selects, each section with its sum,
// and the grand total. Every 44 rows the printout goes on in a new print job, so that a long
// evaluation can be handled one stack of paper at a time. Nothing is printed when no
// completed or planned booking matches.
Result<EvaluationPrintOutcome> PrintEvaluation(Canvas &canvas, const BookingTable &table,
                                               const BookingMatcher &matcher,
                                               const EvaluationPrintOptions &options);

} // namespace penvaro::core
