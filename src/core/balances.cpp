#include "balances.h"

#include "wideint.h"

#include <cmath>
#include <string>

namespace penvaro::core {
namespace {

bool isDone(BookingKind kind) {
    return kind == BookingKind::StartValue || kind == BookingKind::Completed;
}

Error overflow(const std::string &what) {
    return {ErrorKind::Overflow,
            what + " liegt außerhalb des darstellbaren Bereichs von ±922.337.203.685.477,58 €."};
}

Result<std::int64_t> narrow(Int128 sum, const char *what) {
    if (!FitsInt64(sum))
        return overflow(what);
    return static_cast<std::int64_t>(sum);
}

template<typename Counts>
Int128 sumOf(const BookingTable &table, Counts counts) {
    Int128 sum = 0;
    for (int slot = 1; slot <= table.count(); ++slot) {
        if (counts(table.slot(slot)))
            sum += SignedAmount(table.slot(slot));
    }
    return sum;
}

// Appends the running balance of every record of the run's kinds to rows, in table order,
// accumulating from the oldest end of the run.
template<typename IsKind>
Result<void> fillRun(const BookingTable &table, IsKind isKind, bool ascending, Int128 &balance,
                     std::vector<std::int64_t> &rows) {
    std::vector<int> slots;
    for (int slot = 1; slot <= table.count(); ++slot) {
        if (isKind(table.slot(slot).Satzart))
            slots.push_back(slot);
    }
    rows.resize(slots.size());
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const std::size_t row = ascending ? i : slots.size() - 1 - i;
        balance += SignedAmount(table.slot(slots[row]));
        if (!FitsInt64(balance))
            return overflow("Der Kontostand nach Datensatz " + std::to_string(slots[row]));
        rows[row] = static_cast<std::int64_t>(balance);
    }
    return {};
}

} // namespace

Result<std::int64_t> ComputeBookBalance(const BookingTable &table) {
    return narrow(sumOf(table, [](const BookingRecord &r) { return isDone(r.Satzart); }),
                  "Der Kontostand");
}

Result<std::int64_t> ComputePlannedSum(const BookingTable &table) {
    return narrow(
        sumOf(table, [](const BookingRecord &r) { return r.Satzart == BookingKind::Planned; }),
        "Die Summe der geplanten Buchungen");
}

Result<ProjectedBalance> ComputeProjectedBalance(const BookingTable &table,
                                                 std::int64_t bookBalance,
                                                 std::int64_t plannedSum) {
    auto total = narrow(Int128{bookBalance} + plannedSum, "Der voraussichtliche Kontostand");
    if (!total)
        return total.error();
    ProjectedBalance projected;
    projected.total = *total;
    // A recurring booking's Wertdatum is the first execution of a template, not a booking
    // date, so it never dates the projected balance, not even from slot 1.
    for (int slot = 1; slot <= table.count(); ++slot) {
        const BookingRecord &r = table.slot(slot);
        if (r.Satzart == BookingKind::Recurring)
            continue;
        if (!projected.latestValueDate || r.Wertdatum > *projected.latestValueDate)
            projected.latestValueDate = r.Wertdatum;
    }
    projected.shown = table.count() > 1 && projected.latestValueDate.has_value();
    return projected;
}

Result<std::int64_t> ComputeTodayBalance(const BookingTable &table, double today) {
    const double tomorrow = std::floor(today) + 1.0;
    return narrow(sumOf(table,
                        [tomorrow](const BookingRecord &r) {
                            return (isDone(r.Satzart) || r.Satzart == BookingKind::Planned)
                                   && r.Wertdatum < tomorrow;
                        }),
                  "Der heutige Kontostand");
}

Result<RunningBalances> FillRunningBalances(const BookingTable &table, const SortOrder &order) {
    RunningBalances balances;
    Int128 balance = 0;
    if (auto done = fillRun(table, isDone, order.doneAscending, balance, balances.done); !done)
        return done.error();
    if (auto planned = fillRun(
            table, [](BookingKind k) { return k == BookingKind::Planned; }, order.plannedAscending,
            balance, balances.planned);
        !planned)
        return planned.error();
    return balances;
}

} // namespace penvaro::core
