#include "bookingtable.h"

namespace penvaro::core {

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
