#pragma once

#include "bookingrecord.h"
#include "result.h"

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
// records and a digest of them. A write first compares it with the file, so that nothing another
// program wrote since is ever overwritten. The digest is the same in every run and on every
// machine, so that the companion file can name the account file it belongs with.
struct FileStamp {
    std::uint64_t size = 0;
    std::uint64_t hash = 0;

    friend bool operator==(const FileStamp &, const FileStamp &) = default;
};

// The digest of one record's bytes as the file holds them (any length, a torn tail too).
std::uint64_t RecordBytesDigest(std::span<const std::uint8_t> bytes);

// The stamp of a file's bytes: record by record, so that an appended record extends it.
FileStamp StampOfBytes(std::span<const std::uint8_t> bytes);
// The stamp of the file once a record with this digest has been appended to it.
FileStamp ExtendStamp(const FileStamp &stamp, std::uint64_t recordDigest);

// All bookings of the open account file, in slots numbered from 1 to count(). The table grows
// with the bookings up to MaxBookings; remaining() says how many more it takes. The six run
// indices are 1-based slot numbers, 0 meaning "none", and are valid after SortBookingTable
// until the table changes.
class BookingTable {
public:
    int count() const { return static_cast<int>(m_records.size()); }
    int remaining() const { return MaxBookings - count(); }

    BookingRecord &slot(int number) { return m_records[static_cast<std::size_t>(number - 1)]; }
    const BookingRecord &slot(int number) const {
        return m_records[static_cast<std::size_t>(number - 1)];
    }

    // Slots 1 to count().
    std::span<BookingRecord> used() { return m_records; }
    std::span<const BookingRecord> used() const { return m_records; }

    // Only while remaining() is above 0.
    void append(BookingRecord record) { m_records.push_back(std::move(record)); }
    // Drops the slots after the count, or adds empty ones up to it.
    void resize(int count) { m_records.resize(static_cast<std::size_t>(count)); }
    void reserve(int count) { m_records.reserve(static_cast<std::size_t>(count)); }

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
    // What is kept beside the file and changes with it; none for a file without it.
    class CommitPartner *partner = nullptr;

private:
    std::vector<BookingRecord> m_records;
};

// Something kept beside the account file that changes together with it. Before the file is
// written it learns the records the file is to hold and the stamp it will have; afterwards
// whether the write went through. A partner that cannot prepare stops the write.
class CommitPartner {
public:
    virtual ~CommitPartner() = default;
    virtual Result<void> prepare(const BookingTable &next, const FileStamp &stamp) = 0;
    virtual void finish(bool written) = 0;
    // The table was read again from the file, without what the partner adds to its records.
    virtual void reloaded(BookingTable &table) = 0;
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

} // namespace penvaro::core
