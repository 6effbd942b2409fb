#include "bookingtable.h"

namespace penvaro::core {

FileStamp StampOfBytes(std::span<const std::uint8_t> bytes) {
    // FNV-1a: quick, and any change another program makes shows in it.
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const std::uint8_t byte : bytes) {
        hash ^= byte;
        hash *= 0x100000001b3ULL;
    }
    return {bytes.size(), hash};
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
