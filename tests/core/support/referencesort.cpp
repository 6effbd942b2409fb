#include "referencesort.h"

#include <functional>
#include <utility>
#include <vector>

namespace penvaro::testing {
namespace {

using core::BookingKind;
using core::BookingRecord;

// Each key is read once and exchanged with its record, so that a table of tens of thousands of
// records can be checked in seconds; the choice of the candidate is the three steps as written.
void selectionSort(core::BookingTable &t, int from, int to, bool ascending,
                   const std::function<double(const BookingRecord &)> &key) {
    std::vector<double> keys;
    for (int s = from; s <= to; ++s)
        keys.push_back(key(t.slot(s)));
    const std::size_t n = keys.size();
    for (std::size_t i = 0; i + 1 < n; ++i) {
        double candidate = keys[i];
        std::size_t position = i;
        for (std::size_t j = i + 1; j < n; ++j) {
            const double k = keys[j];
            if ((ascending && k < candidate) || (!ascending && k > candidate)) {
                candidate = k;
                position = j;
            }
        }
        // Record i goes to the candidate's position, the candidate to position i.
        const auto slotOf = [from](std::size_t at) { return from + static_cast<int>(at); };
        std::swap(t.slot(slotOf(position)), t.slot(slotOf(i)));
        std::swap(keys[position], keys[i]);
    }
}

int firstOfKind(const core::BookingTable &t, const std::function<bool(BookingKind)> &is) {
    for (int s = 1; s <= t.count(); ++s) {
        if (is(t.slot(s).Satzart))
            return s;
    }
    return 0;
}

int lastOfRun(const core::BookingTable &t, int first, BookingKind upTo) {
    for (int s = first + 1; s <= t.count(); ++s) {
        if (t.slot(s).Satzart > upTo)
            return s - 1;
    }
    return t.count();
}

} // namespace

void ReferenceSortBookingTable(core::BookingTable &t, const core::SortOrder &order) {
    if (t.count() > 1)
        selectionSort(t, 1, t.count(), true,
                      [](const BookingRecord &r) { return static_cast<double>(r.Satzart); });
    t.FirstDone = firstOfKind(t, [](BookingKind k) {
        return k == BookingKind::StartValue || k == BookingKind::Completed;
    });
    t.LastDone = lastOfRun(t, t.FirstDone, BookingKind::Completed);
    t.FirstPlanned = firstOfKind(t, [](BookingKind k) { return k == BookingKind::Planned; });
    t.LastPlanned = lastOfRun(t, t.FirstPlanned, BookingKind::Planned);
    t.FirstRecurring = firstOfKind(t, [](BookingKind k) { return k == BookingKind::Recurring; });
    t.LastRecurring = lastOfRun(t, t.FirstRecurring, BookingKind::Recurring);

    if (t.FirstDone > 0) {
        selectionSort(t, t.FirstDone, t.LastDone, order.doneAscending, [&](const BookingRecord &r) {
            switch (order.done) {
            case core::DoneOrder::StatementDate:
                return r.Auszugsdatum;
            case core::DoneOrder::ValueDate:
                return r.Wertdatum;
            case core::DoneOrder::Normal:
                break;
            }
            return r.Auszugsjahr * 1000 + r.Auszugsnr + 0.00001 * r.Wertdatum;
        });
    }
    if (t.FirstPlanned > 0)
        selectionSort(t, t.FirstPlanned, t.LastPlanned, order.plannedAscending,
                      [](const BookingRecord &r) { return r.Wertdatum; });
    if (t.FirstRecurring > 0)
        selectionSort(t, t.FirstRecurring, t.LastRecurring, true,
                      [](const BookingRecord &r) { return static_cast<double>(r.Auszugsnr); });
}

} // namespace penvaro::testing
