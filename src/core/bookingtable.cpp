#include "bookingtable.h"

namespace penvaro::core {

BookingTable::BookingTable()
    : m_records(MaxBookings) {}

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
