#include "bookingtable.h"

#include <algorithm>
#include <functional>
#include <string_view>

namespace penvaro::core {

FileStamp StampOfBytes(std::span<const std::uint8_t> bytes) {
    // The library's word-wise hash reads a 50,000-record file in about a millisecond, where a
    // byte-wise one took several on every change. A stamp never leaves the process, so the
    // hash need only be the same within one run.
    const std::string_view text(reinterpret_cast<const char *>(bytes.data()), bytes.size());
    return {bytes.size(), static_cast<std::uint64_t>(std::hash<std::string_view>{}(text))};
}

std::string MaxBookingsText() {
    std::string digits = std::to_string(MaxBookings);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), 1, '.');
    return digits;
}

BookingTable::BookingTable()
    : m_records(MaxBookings) {}

bool IsListedIn(Listing listing, BookingKind kind) {
    switch (listing) {
    case Listing::Completed:
        return kind == BookingKind::StartValue || kind == BookingKind::Completed;
    case Listing::Planned:
        return kind == BookingKind::Planned;
    case Listing::Recurring:
        return kind == BookingKind::Recurring;
    }
    return false;
}

int SlotOf(const BookingTable &table, const BookingRecord &record) {
    const auto used = table.used();
    const auto found = std::find(used.begin(), used.end(), record);
    return found == used.end() ? 0 : static_cast<int>(found - used.begin()) + 1;
}

std::vector<int> ListedSlots(const BookingTable &table, Listing listing) {
    std::vector<int> slots;
    for (int slot = 1; slot <= table.count; ++slot) {
        if (IsListedIn(listing, table.slot(slot).Satzart))
            slots.push_back(slot);
    }
    return slots;
}

void ClearBookingTable(BookingTable &table) {
    for (BookingRecord &r : table.all()) {
        r.Satzart = BookingKind::Empty;
        r.Auszugsjahr = 0;
        r.Auszugsnr = 0;
        r.Auszugsdatum = 0.0;
        r.Wertdatum = 0.0;
        r.Buchungsart.length = 0;
        r.Absender.length = 0;
        r.Verwendungszweck.length = 0;
        r.Buchungsdatum = 0.0;
        r.SollHaben = u'+';
        r.Betrag = 0;
    }
}

} // namespace penvaro::core
