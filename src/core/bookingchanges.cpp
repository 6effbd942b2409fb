#include "bookingchanges.h"

namespace penvaro::core {
namespace {

// Runs a change on the table and writes the file; a failed write puts the table back.
template<typename Change>
Result<void> changeAndSave(BookingTable &table, const std::filesystem::path &accountFile,
                           Change change) {
    const auto kept = table.all().first(table.count + 1u);
    const std::vector<BookingRecord> previousSlots(kept.begin(), kept.end());
    const std::uint16_t previousCount = table.count;
    change();
    auto saved = SaveAccountFile(table, accountFile);
    if (!saved) {
        std::copy(previousSlots.begin(), previousSlots.end(), table.all().begin());
        table.count = previousCount;
    }
    return saved;
}

} // namespace

Error TableFullError() {
    return {ErrorKind::TooLarge, "Die Buchungstabelle ist voll: Eine Kontodatei fasst höchstens "
                                     + std::to_string(MaxBookings)
                                     + " Buchungen. Die Buchung wurde nicht gespeichert."};
}

Result<void> AddBooking(BookingTable &table, const BookingRecord &record,
                        const std::filesystem::path &accountFile) {
    if (table.count >= MaxBookings)
        return TableFullError();
    if (auto appended = AppendBooking(record, accountFile); !appended)
        return appended;
    table.slot(table.count + 1) = record;
    ++table.count;
    return {};
}

Result<void> AddBookings(BookingTable &table, const std::vector<BookingRecord> &records,
                         const std::filesystem::path &accountFile) {
    if (records.size() > static_cast<std::size_t>(MaxBookings - table.count))
        return TableFullError();
    if (records.empty())
        return {};
    const std::uint16_t previousCount = table.count;
    for (const BookingRecord &record : records)
        table.slot(++table.count) = record;
    auto saved = SaveAccountFile(table, accountFile);
    if (!saved) {
        for (int slot = previousCount + 1; slot <= table.count; ++slot)
            table.slot(slot) = BookingRecord{};
        table.count = previousCount;
    }
    return saved;
}

Result<void> ReplaceBooking(BookingTable &table, int slot, const BookingRecord &record,
                            const std::filesystem::path &accountFile) {
    if (slot < 1 || slot > table.count)
        return Error{ErrorKind::Invalid, "Diese Buchung gibt es nicht mehr."};
    return changeAndSave(table, accountFile, [&] { table.slot(slot) = record; });
}

Result<void> ReplaceAndAddBookings(BookingTable &table, int slot, const BookingRecord &record,
                                   const std::vector<BookingRecord> &added,
                                   const std::filesystem::path &accountFile) {
    if (slot < 1 || slot > table.count)
        return Error{ErrorKind::Invalid, "Diese Buchung gibt es nicht mehr."};
    if (added.size() > static_cast<std::size_t>(MaxBookings - table.count))
        return TableFullError();
    const BookingRecord previous = table.slot(slot);
    const std::uint16_t previousCount = table.count;
    table.slot(slot) = record;
    for (const BookingRecord &r : added)
        table.slot(++table.count) = r;
    auto saved = SaveAccountFile(table, accountFile);
    if (!saved) {
        for (int s = previousCount + 1; s <= table.count; ++s)
            table.slot(s) = BookingRecord{};
        table.count = previousCount;
        table.slot(slot) = previous;
    }
    return saved;
}

Result<void> DeleteBooking(BookingTable &table, int slot,
                           const std::filesystem::path &accountFile) {
    if (slot < 1 || slot > table.count)
        return Error{ErrorKind::Invalid, "Diese Buchung gibt es nicht mehr."};
    return changeAndSave(table, accountFile, [&] {
        table.slot(slot) = table.slot(table.count);
        table.slot(table.count) = BookingRecord{};
        --table.count;
    });
}

} // namespace penvaro::core
