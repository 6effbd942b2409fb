#include "sortbookingtable.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>
#include <utility>
#include <vector>

namespace penvaro::core {
namespace {

// A sort key in which "smaller" means "chosen first", as an unsigned number that orders as the
// double does; descending runs store the negated value. A NaN (only a damaged date can give
// one) compares neither smaller nor greater than anything in a plain scan, so it is never
// chosen over another record; ranking it above every number keeps that true for the tree, and
// a NaN candidate is never exchanged at all.
constexpr std::uint64_t nanKey = std::numeric_limits<std::uint64_t>::max();

std::uint64_t sortKey(double value) {
    if (std::isnan(value))
        return nanKey;
    constexpr std::uint64_t signBit = std::uint64_t{1} << 63;
    // -0.0 and 0.0 compare equal, so they must get one key.
    const auto bits = std::bit_cast<std::uint64_t>(value + 0.0);
    return (bits & signBit) != 0 ? ~bits : bits | signBit;
}

// The selection sort with exchange picks, for each position, the first record of the rest
// whose key no other record undercuts. A segment tree over the positions answers that in
// logarithmic time, so the same exchanges happen in O(n log n) instead of O(n²).
class FirstMinimumTree {
public:
    // Covers positions from..keys.size()-1 and follows the keys as they change.
    FirstMinimumTree(const std::vector<std::uint64_t> &keys, std::size_t from)
        : m_keys(keys)
        , m_from(from) {
        const std::size_t size = keys.size() - from;
        while (m_leaves < size)
            m_leaves *= 2;
        m_nodes.assign(2 * m_leaves, none);
        for (std::size_t i = 0; i < size; ++i)
            m_nodes[m_leaves + i] = static_cast<std::uint32_t>(from + i);
        for (std::size_t node = m_leaves - 1; node > 0; --node)
            m_nodes[node] = better(m_nodes[2 * node], m_nodes[2 * node + 1]);
    }

    void update(std::size_t position) {
        for (std::size_t node = (m_leaves + position - m_from) / 2; node > 0; node /= 2)
            m_nodes[node] = better(m_nodes[2 * node], m_nodes[2 * node + 1]);
    }

    // The first position in [position, end) with the smallest key.
    std::size_t firstMinimumFrom(std::size_t position) const {
        std::uint32_t left = none;
        std::uint32_t right = none;
        for (std::size_t l = m_leaves + position - m_from, r = 2 * m_leaves; l < r;
             l /= 2, r /= 2) {
            if (l & 1)
                left = better(left, m_nodes[l++]);
            if (r & 1)
                right = better(m_nodes[--r], right);
        }
        return better(left, right);
    }

private:
    static constexpr std::uint32_t none = std::numeric_limits<std::uint32_t>::max();

    // a lies before b; on equal keys the earlier one stays.
    std::uint32_t better(std::uint32_t a, std::uint32_t b) const {
        if (a == none)
            return b;
        if (b == none)
            return a;
        return m_keys[b] < m_keys[a] ? b : a;
    }

    const std::vector<std::uint64_t> &m_keys;
    std::size_t m_from;
    std::size_t m_leaves = 1;
    std::vector<std::uint32_t> m_nodes;
};

// The length of the leading part that the selection sort leaves where it is: each of its keys
// is undercut by no key after it. After a change the table is mostly in order already, so this
// usually covers all of it, or all up to the changed booking.
std::size_t settledPrefix(const std::vector<std::uint64_t> &keys) {
    std::vector<std::uint64_t> smallestAfter(keys.size() + 1, nanKey);
    for (std::size_t i = keys.size(); i-- > 0;)
        smallestAfter[i] = std::min(keys[i], smallestAfter[i + 1]);
    std::size_t settled = 0;
    while (settled < keys.size()
           && (keys[settled] == nanKey || keys[settled] <= smallestAfter[settled + 1]))
        ++settled;
    return settled;
}

// Puts positions first..last of order (0-based, inclusive) exactly as the selection sort with
// exchange puts the records they name. order[p] is the slot index of the record that ends at p;
// moving these indices instead of the 144-byte records keeps the work in the cache.
template<typename KeyOf>
void selectionSort(const BookingTable &table, std::vector<std::uint32_t> &order, int first,
                   int last, bool ascending, KeyOf keyOf) {
    if (first >= last)
        return;
    const auto begin = static_cast<std::size_t>(first - 1);
    const auto size = static_cast<std::size_t>(last - first + 1);
    std::vector<std::uint64_t> keys(size);
    for (std::size_t i = 0; i < size; ++i) {
        const double value = keyOf(table.all()[order[begin + i]]);
        keys[i] = sortKey(ascending ? value : -value);
    }
    const std::size_t settled = settledPrefix(keys);
    if (settled + 1 >= size)
        return;
    FirstMinimumTree tree(keys, settled);
    for (std::size_t i = settled; i + 1 < size; ++i) {
        if (keys[i] == nanKey)
            continue;
        const std::size_t candidate = tree.firstMinimumFrom(i);
        if (candidate == i)
            continue;
        std::swap(order[begin + i], order[begin + candidate]);
        std::swap(keys[i], keys[candidate]);
        tree.update(candidate);
    }
}

// Moves every record to the position order gives it, each once, along the permutation's
// cycles.
void applyOrder(BookingTable &table, std::vector<std::uint32_t> &order) {
    const std::span<BookingRecord> records = table.used();
    for (std::uint32_t start = 0; start < order.size(); ++start) {
        if (order[start] == start)
            continue;
        BookingRecord moving = std::move(records[start]);
        std::uint32_t position = start;
        while (order[position] != start) {
            const std::uint32_t from = order[position];
            records[position] = std::move(records[from]);
            order[position] = position;
            position = from;
        }
        records[position] = std::move(moving);
        order[position] = position;
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
Run findRun(const BookingTable &table, const std::vector<std::uint32_t> &order, IsKind isKind,
            BookingKind upTo) {
    const auto kindAt = [&](int slot) {
        return table.all()[order[static_cast<std::size_t>(slot - 1)]].Satzart;
    };
    Run run;
    for (int slot = 1; slot <= table.count; ++slot) {
        if (isKind(kindAt(slot))) {
            run.first = slot;
            break;
        }
    }
    run.last = table.count;
    for (int slot = run.first + 1; slot <= table.count; ++slot) {
        if (kindAt(slot) > upTo) {
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
    std::vector<std::uint32_t> positions(table.count);
    std::iota(positions.begin(), positions.end(), 0U);
    if (table.count > 1)
        selectionSort(table, positions, 1, table.count, true, kindKey);

    const Run done = findRun(table, positions, isDone, BookingKind::Completed);
    const Run planned = findRun(
        table, positions, [](BookingKind k) { return k == BookingKind::Planned; },
        BookingKind::Planned);
    const Run recurring = findRun(
        table, positions, [](BookingKind k) { return k == BookingKind::Recurring; },
        BookingKind::Recurring);
    table.FirstDone = done.first;
    table.LastDone = done.last;
    table.FirstPlanned = planned.first;
    table.LastPlanned = planned.last;
    table.FirstRecurring = recurring.first;
    table.LastRecurring = recurring.last;

    if (done.first > 0) {
        selectionSort(table, positions, done.first, done.last, order.doneAscending,
                      [&](const BookingRecord &r) { return doneKey(r, order.done); });
    }
    if (planned.first > 0) {
        selectionSort(table, positions, planned.first, planned.last, order.plannedAscending,
                      [](const BookingRecord &r) { return r.Wertdatum; });
    }
    if (recurring.first > 0) {
        selectionSort(table, positions, recurring.first, recurring.last, true,
                      [](const BookingRecord &r) { return static_cast<double>(r.Auszugsnr); });
    }
    applyOrder(table, positions);
}

} // namespace penvaro::core
