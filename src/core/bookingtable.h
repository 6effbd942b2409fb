#pragma once

#include "bookingrecord.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace penvaro::core {

// The count's whole range: a file of more records could not say how many it holds.
inline constexpr int MaxBookings = 65535;

// MaxBookings as the messages write it, with a thousands point.
std::string MaxBookingsText();

// What the account file held when this program last read or wrote it: the length of its whole
// records and a hash of them. A write first compares it with the file, so that nothing another
// program wrote since is ever overwritten.
struct FileStamp {
    std::uint64_t size = 0;
    std::uint64_t hash = 0;

    friend bool operator==(const FileStamp &, const FileStamp &) = default;
};

FileStamp StampOfBytes(std::span<const std::uint8_t> bytes);

// All bookings of the open account file. Slots are numbered 1 to MaxBookings; slots 1 to count are
// used, every later slot holds the empty-slot values. The six run indices are 1-based slot
// numbers, 0 meaning "none", and are valid after SortBookingTable until the table changes.
class BookingTable {
public:
    BookingTable();

    BookingRecord &slot(int number) { return m_records[static_cast<std::size_t>(number - 1)]; }
    const BookingRecord &slot(int number) const {
        return m_records[static_cast<std::size_t>(number - 1)];
    }

    // Slots 1 to count.
    std::span<BookingRecord> used() { return {m_records.data(), count}; }
    std::span<const BookingRecord> used() const { return {m_records.data(), count}; }
    // All MaxBookings slots, used or not.
    std::span<BookingRecord> all() { return m_records; }
    std::span<const BookingRecord> all() const { return m_records; }

    std::uint16_t count = 0;
    std::int32_t FirstDone = 0;
    std::int32_t LastDone = 0;
    std::int32_t FirstPlanned = 0;
    std::int32_t LastPlanned = 0;
    std::int32_t FirstRecurring = 0;
    std::int32_t LastRecurring = 0;
    // The file as last read or written here; none for a table that came from no file.
    std::optional<FileStamp> stamp;
    // Opened while another program writes the file: every change is refused.
    bool readOnly = false;

private:
    std::vector<BookingRecord> m_records;
};

// The three lists the program shows the bookings in: completed bookings with the start value,
// planned bookings, recurring bookings. Every other kind is listed nowhere.
enum class Listing { Completed, Planned, Recurring };

bool IsListedIn(Listing listing, BookingKind kind);

// The slots of the records a list shows, in table order: list row r (from 1) is the record in
// slot ListedSlots(...)[r - 1].
std::vector<int> ListedSlots(const BookingTable &table, Listing listing);

// The first used slot holding a record equal to this one; 0 when none does.
int SlotOf(const BookingTable &table, const BookingRecord &record);

// Writes the empty-slot values into all slots. Leaves the count alone, and the character
// bytes behind the length bytes as they are.
void ClearBookingTable(BookingTable &table);

} // namespace penvaro::core
