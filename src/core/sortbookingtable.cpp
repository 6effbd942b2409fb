#include "sortbookingtable.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <numeric>
#include <utility>
#include <vector>

namespace penvaro::core {
namespace {

// A sort key in which "smaller" means "chosen first", as an unsigned number that orders as the
// double does; descending runs store the negated value. A NaN (only a damaged date can give
// one) compares neither smaller nor greater than anything in a plain scan: it is never chosen,
// and a record with one keeps its place when the sort reaches it.
constexpr std::uint64_t nanKey = std::numeric_limits<std::uint64_t>::max();

std::uint64_t sortKey(double value) {
    if (std::isnan(value))
        return nanKey;
    constexpr std::uint64_t signBit = std::uint64_t{1} << 63;
    // -0.0 and 0.0 compare equal, so they must get one key.
    const auto bits = std::bit_cast<std::uint64_t>(value + 0.0);
    return (bits & signBit) != 0 ? ~bits : bits | signBit;
}

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

// The positions from..end that hold a number, ordered by key and equal keys by position: a
// stable radix sort over the key's bytes. It skips a byte all keys share, as most bytes of
// dates are, so it stays linear where a comparison sort would not.
std::vector<std::uint32_t> positionsByKey(const std::vector<std::uint64_t> &keys,
                                          std::size_t from) {
    std::vector<std::uint32_t> sorted;
    for (std::size_t i = from; i < keys.size(); ++i) {
        if (keys[i] != nanKey)
            sorted.push_back(static_cast<std::uint32_t>(i));
    }
    std::array<std::array<std::size_t, 256>, 8> starts{};
    for (const std::uint32_t at : sorted) {
        for (std::size_t byte = 0; byte < 8; ++byte)
            ++starts[byte][(keys[at] >> (8 * byte)) & 0xFF];
    }
    std::vector<std::uint32_t> scratch(sorted.size());
    for (std::size_t byte = 0; byte < 8; ++byte) {
        if (std::ranges::find(starts[byte], sorted.size()) != starts[byte].end())
            continue;
        std::size_t next = 0;
        for (std::size_t &start : starts[byte])
            next += std::exchange(start, next);
        for (const std::uint32_t at : sorted)
            scratch[starts[byte][(keys[at] >> (8 * byte)) & 0xFF]++] = at;
        sorted.swap(scratch);
    }
    return sorted;
}

// Puts positions first..last of order (1-based, inclusive) exactly as the selection sort with
// exchange puts the records they name, each record's key being values[its slot index].
// order[p] is the slot index of the record that ends at p; moving these indices instead of the
// 136-byte records keeps the work in the cache.
//
// The sort takes the keys from the smallest up. While it places the records of one key, each
// stays where it is until it is chosen, so they are chosen in the order of where they stand,
// and each exchange moves the record at the next position into the chosen one's place. A
// record never moved stands where it began; only the few moved ones need finding. So the
// exchanges are replayed one key after the other, with no search through the rest.
void selectionSort(const std::vector<double> &values, std::vector<std::uint32_t> &order, int first,
                   int last, bool ascending) {
    if (first >= last)
        return;
    const auto begin = static_cast<std::size_t>(first - 1);
    const auto size = static_cast<std::size_t>(last - first + 1);
    std::vector<std::uint64_t> keys(size);
    for (std::size_t i = 0; i < size; ++i) {
        const double value = values[order[begin + i]];
        keys[i] = sortKey(ascending ? value : -value);
    }
    const std::size_t settled = settledPrefix(keys);
    if (settled + 1 >= size)
        return;

    // Records are named by where they began; at[p] is the one at p, where[r] is where r is.
    std::vector<std::uint32_t> at(size);
    std::iota(at.begin(), at.end(), 0U);
    std::vector<std::uint32_t> where = at;
    std::vector<std::uint8_t> moved(size, 0);
    const std::vector<std::uint32_t> sorted = positionsByKey(keys, settled);
    std::vector<std::uint32_t> chosen;
    std::vector<std::uint32_t> movedOnes;
    std::vector<std::uint32_t> merged;
    std::size_t next = settled;
    for (std::size_t group = 0; group < sorted.size();) {
        std::size_t end = group;
        chosen.clear();
        movedOnes.clear();
        for (; end < sorted.size() && keys[sorted[end]] == keys[sorted[group]]; ++end) {
            const std::uint32_t record = sorted[end];
            (moved[record] != 0 ? movedOnes : chosen).push_back(where[record]);
        }
        if (!movedOnes.empty()) {
            std::ranges::sort(movedOnes);
            merged.clear();
            std::ranges::merge(chosen, movedOnes, std::back_inserter(merged));
            chosen.swap(merged);
        }
        for (const std::uint32_t place : chosen) {
            // A damaged key is passed over where it stands, and never chosen.
            while (keys[at[next]] == nanKey)
                ++next;
            if (place != next) {
                const std::uint32_t displaced = at[next];
                at[next] = at[place];
                where[at[next]] = static_cast<std::uint32_t>(next);
                at[place] = displaced;
                where[displaced] = place;
                moved[displaced] = 1;
            }
            ++next;
        }
        group = end;
    }
    std::vector<std::uint32_t> placed(size - settled);
    for (std::size_t p = settled; p < size; ++p)
        placed[p - settled] = order[begin + at[p]];
    std::ranges::copy(placed, order.begin() + static_cast<std::ptrdiff_t>(begin + settled));
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

// What the sort needs of each record, read in one pass in slot order: past a few thousand
// records the table is far larger than the cache, the keys are not. A record's run key is
// the key of the run its kind puts it in.
struct Keys {
    std::vector<BookingKind> kinds;
    std::vector<double> kindValues;
    std::vector<double> inRun;
};

Keys readKeys(const BookingTable &table, DoneOrder done) {
    Keys keys;
    keys.kinds.reserve(table.count());
    keys.kindValues.reserve(table.count());
    keys.inRun.reserve(table.count());
    for (const BookingRecord &r : table.used()) {
        keys.kinds.push_back(r.Satzart);
        keys.kindValues.push_back(static_cast<double>(r.Satzart));
        keys.inRun.push_back(isDone(r.Satzart) ? doneKey(r, done)
                             : r.Satzart == BookingKind::Planned
                                 ? r.Wertdatum
                                 : static_cast<double>(r.Auszugsnr));
    }
    return keys;
}

struct Run {
    int first = 0;
    int last = 0;
};

// The run of the first slot of the wanted kind up to the slot before the first one of a
// greater kind. Slots past the count are empty by invariant, so only the used ones are
// scanned, and a run that reaches the end ends at the count.
template<typename IsKind>
Run findRun(const std::vector<BookingKind> &kinds, const std::vector<std::uint32_t> &order,
            IsKind isKind, BookingKind upTo) {
    const int count = static_cast<int>(kinds.size());
    const auto kindAt = [&](int slot) { return kinds[order[static_cast<std::size_t>(slot - 1)]]; };
    Run run;
    for (int slot = 1; slot <= count; ++slot) {
        if (isKind(kindAt(slot))) {
            run.first = slot;
            break;
        }
    }
    run.last = count;
    for (int slot = run.first + 1; slot <= count; ++slot) {
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
    const Keys keys = readKeys(table, order.done);
    std::vector<std::uint32_t> positions(table.count());
    std::iota(positions.begin(), positions.end(), 0U);
    if (table.count() > 1)
        selectionSort(keys.kindValues, positions, 1, table.count(), true);

    const Run done = findRun(keys.kinds, positions, isDone, BookingKind::Completed);
    const Run planned = findRun(
        keys.kinds, positions, [](BookingKind k) { return k == BookingKind::Planned; },
        BookingKind::Planned);
    const Run recurring = findRun(
        keys.kinds, positions, [](BookingKind k) { return k == BookingKind::Recurring; },
        BookingKind::Recurring);
    table.FirstDone = done.first;
    table.LastDone = done.last;
    table.FirstPlanned = planned.first;
    table.LastPlanned = planned.last;
    table.FirstRecurring = recurring.first;
    table.LastRecurring = recurring.last;

    if (done.first > 0)
        selectionSort(keys.inRun, positions, done.first, done.last, order.doneAscending);
    if (planned.first > 0)
        selectionSort(keys.inRun, positions, planned.first, planned.last, order.plannedAscending);
    if (recurring.first > 0)
        selectionSort(keys.inRun, positions, recurring.first, recurring.last, true);
    applyOrder(table, positions);
}

} // namespace penvaro::core
