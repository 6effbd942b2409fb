#include "sortbookingtable.h"

#include <cmath>
#include <utility>
#include <vector>

namespace penvaro::core {
namespace {

// A sort key in which "smaller" means "chosen first": descending runs store the negated
// value. A NaN (only a damaged date can give one) compares neither smaller nor greater than
// anything in a plain scan, so it is never chosen over another record; ranking it above every
// number keeps that true for the tree, and a NaN candidate is never exchanged at all.
struct SortKey {
    bool nan = false;
    double value = 0.0;
};

bool chosenBefore(const SortKey &a, const SortKey &b) {
    return !a.nan && (b.nan || a.value < b.value);
}

// The selection sort with exchange picks, for each position, the first record of the rest
// whose key no other record undercuts. A segment tree over the positions answers that in
// logarithmic time, so the same exchanges happen in O(n log n) instead of O(n²).
class FirstMinimumTree {
public:
    explicit FirstMinimumTree(std::vector<SortKey> &keys)
        : m_keys(keys) {
        while (m_leaves < keys.size())
            m_leaves *= 2;
        m_nodes.assign(2 * m_leaves, none);
        for (std::size_t i = 0; i < keys.size(); ++i)
            m_nodes[m_leaves + i] = i;
        for (std::size_t node = m_leaves - 1; node > 0; --node)
            m_nodes[node] = better(m_nodes[2 * node], m_nodes[2 * node + 1]);
    }

    void update(std::size_t position) {
        for (std::size_t node = (m_leaves + position) / 2; node > 0; node /= 2)
            m_nodes[node] = better(m_nodes[2 * node], m_nodes[2 * node + 1]);
    }

    // The first position in [from, end) with the smallest key.
    std::size_t firstMinimumFrom(std::size_t from) const {
        std::size_t left = none;
        std::size_t right = none;
        for (std::size_t l = m_leaves + from, r = 2 * m_leaves; l < r; l /= 2, r /= 2) {
            if (l & 1)
                left = better(left, m_nodes[l++]);
            if (r & 1)
                right = better(m_nodes[--r], right);
        }
        return better(left, right);
    }

private:
    static constexpr std::size_t none = static_cast<std::size_t>(-1);

    // a lies before b; on equal keys the earlier one stays.
    std::size_t better(std::size_t a, std::size_t b) const {
        if (a == none)
            return b;
        if (b == none)
            return a;
        return chosenBefore(m_keys[b], m_keys[a]) ? b : a;
    }

    std::vector<SortKey> &m_keys;
    std::size_t m_leaves = 1;
    std::vector<std::size_t> m_nodes;
};

// Sorts slots first..last (1-based, inclusive) exactly as the selection sort with exchange.
template<typename KeyOf>
void selectionSort(BookingTable &table, int first, int last, bool ascending, KeyOf keyOf) {
    if (first >= last)
        return;
    const auto begin = static_cast<std::size_t>(first - 1);
    const auto size = static_cast<std::size_t>(last - first + 1);
    std::vector<SortKey> keys(size);
    for (std::size_t i = 0; i < size; ++i) {
        const double value = keyOf(table.all()[begin + i]);
        keys[i] =
            std::isnan(value) ? SortKey{true, 0.0} : SortKey{false, ascending ? value : -value};
    }
    FirstMinimumTree tree(keys);
    for (std::size_t i = 0; i + 1 < size; ++i) {
        if (keys[i].nan)
            continue;
        const std::size_t candidate = tree.firstMinimumFrom(i);
        if (candidate == i)
            continue;
        std::swap(table.all()[begin + i], table.all()[begin + candidate]);
        std::swap(keys[i], keys[candidate]);
        tree.update(candidate);
    }
}

double kindKey(const BookingRecord &r) {
    return static_cast<double>(r.Satzart);
}

double doneKey(const BookingRecord &r, DoneOrder order) {
    switch (order) {
    case DoneOrder::StatementDate:
        return r.Auszugsdatum;
    case DoneOrder::ValueDate:
        return r.Wertdatum;
    case DoneOrder::Normal:
        break;
    }
    return static_cast<double>(r.Auszugsjahr * 1000 + r.Auszugsnr) + 0.00001 * r.Wertdatum;
}

bool isDone(BookingKind kind) {
    return kind == BookingKind::StartValue || kind == BookingKind::Completed;
}

struct Run {
    int first = 0;
    int last = 0;
};

// The run of the first slot of the wanted kind up to the slot before the first one of a
// greater kind. Slots past the count are empty by invariant, so only the used ones are
// scanned, and a run that reaches the end ends at the count.
template<typename IsKind>
Run findRun(const BookingTable &table, IsKind isKind, BookingKind upTo) {
    Run run;
    for (int slot = 1; slot <= table.count; ++slot) {
        if (isKind(table.slot(slot).Satzart)) {
            run.first = slot;
            break;
        }
    }
    run.last = table.count;
    for (int slot = run.first + 1; slot <= table.count; ++slot) {
        if (table.slot(slot).Satzart > upTo) {
            run.last = slot - 1;
            break;
        }
    }
    return run;
}

} // namespace

DoneOrder DoneOrderFromSetting(std::string_view sortBy) {
    if (sortBy == "ad")
        return DoneOrder::StatementDate;
    if (sortBy == "wd")
        return DoneOrder::ValueDate;
    return DoneOrder::Normal;
}

void SortBookingTable(BookingTable &table, const SortOrder &order) {
    if (table.count > 1)
        selectionSort(table, 1, table.count, true, kindKey);

    const Run done = findRun(table, isDone, BookingKind::Completed);
    const Run planned = findRun(
        table, [](BookingKind k) { return k == BookingKind::Planned; }, BookingKind::Planned);
    const Run recurring = findRun(
        table, [](BookingKind k) { return k == BookingKind::Recurring; }, BookingKind::Recurring);
    table.FirstDone = done.first;
    table.LastDone = done.last;
    table.FirstPlanned = planned.first;
    table.LastPlanned = planned.last;
    table.FirstRecurring = recurring.first;
    table.LastRecurring = recurring.last;

    if (done.first > 0) {
        selectionSort(table, done.first, done.last, order.doneAscending,
                      [&](const BookingRecord &r) { return doneKey(r, order.done); });
    }
    if (planned.first > 0) {
        selectionSort(table, planned.first, planned.last, order.plannedAscending,
                      [](const BookingRecord &r) { return r.Wertdatum; });
    }
    if (recurring.first > 0) {
        selectionSort(table, recurring.first, recurring.last, true,
                      [](const BookingRecord &r) { return static_cast<double>(r.Auszugsnr); });
    }
}

} // namespace penvaro::core
