#include "bookingchanges.h"

namespace penvaro::core {
namespace {

// Before every write: a file opened read-only is never written, and one that another program
// changed since it was read here is read again instead of being written over.
Result<void> mayWrite(BookingTable &table, const std::filesystem::path &accountFile) {
    if (table.readOnly)
        return ReadOnlyError(accountFile);
    if (!table.stamp)
        return {};
    const auto now = StampOnDisk(accountFile);
    if (!now)
        return now.error();
    // A file removed since is written anew from the table, which loses nothing.
    if (!*now || **now == *table.stamp)
        return {};
    BookingTable reloaded;
    if (auto loaded = LoadAccountFile(accountFile, reloaded); !loaded)
        return loaded;
    table = std::move(reloaded);
    return ChangedFileError(accountFile);
}

// After an append the file holds what this program wrote; the next write compares with that.
void restamp(BookingTable &table, const std::filesystem::path &accountFile) {
    const auto now = StampOnDisk(accountFile);
    table.stamp = now ? *now : std::nullopt;
}

// Runs a change on the table and writes the file; a failed write puts the table back. The
// change touches no slot after the reach, which is at most the table's size.
template<typename Change>
Result<void> changeAndSave(BookingTable &table, std::size_t reach,
                           const std::filesystem::path &accountFile, Change change) {
    if (auto allowed = mayWrite(table, accountFile); !allowed)
        return allowed;
    const auto kept = table.all().first(reach);
    const std::vector<BookingRecord> previousSlots(kept.begin(), kept.end());
    const std::uint16_t previousCount = table.count;
    change();
    auto saved = SaveAccountFile(table, accountFile);
    if (!saved) {
        std::copy(previousSlots.begin(), previousSlots.end(), table.all().begin());
        table.count = previousCount;
        return saved.error();
    }
    table.stamp = *saved;
    return {};
}

} // namespace

Error ChangedFileError(const std::filesystem::path &accountFile) {
    return {ErrorKind::Changed,
            "Die Kontodatei " + accountFile.string()
                + " wurde von einem anderen Programm geändert, seit sie hier gelesen wurde. Ihre "
                  "Änderung wurde nicht gespeichert; die Buchungen wurden neu geladen. Bitte "
                  "prüfen Sie sie und geben Sie die Änderung noch einmal ein."};
}

Error ReadOnlyError(const std::filesystem::path &accountFile) {
    return {ErrorKind::ReadOnly,
            "Die Kontodatei " + accountFile.string()
                + " ist schreibgeschützt geöffnet. Es wird nichts gespeichert."};
}

Error TableFullError() {
    return {ErrorKind::TooLarge, "Die Buchungstabelle ist voll: Eine Kontodatei fasst höchstens "
                                     + MaxBookingsText()
                                     + " Buchungen. Die Buchung wurde nicht gespeichert."};
}

Result<void> AddBooking(BookingTable &table, const BookingRecord &record,
                        const std::filesystem::path &accountFile) {
    if (table.count >= MaxBookings)
        return TableFullError();
    if (auto allowed = mayWrite(table, accountFile); !allowed)
        return allowed;
    if (auto appended = AppendBooking(record, accountFile); !appended)
        return appended;
    table.slot(table.count + 1) = record;
    ++table.count;
    restamp(table, accountFile);
    return {};
}

Result<void> AddBookings(BookingTable &table, const std::vector<BookingRecord> &records,
                         const std::filesystem::path &accountFile) {
    if (records.size() > static_cast<std::size_t>(MaxBookings - table.count))
        return TableFullError();
    if (records.empty())
        return {};
    return changeAndSave(table, table.count + records.size(), accountFile, [&] {
        for (const BookingRecord &record : records)
            table.slot(++table.count) = record;
    });
}

Result<void> ReplaceBooking(BookingTable &table, int slot, const BookingRecord &record,
                            const std::filesystem::path &accountFile) {
    if (slot < 1 || slot > table.count)
        return Error{ErrorKind::Invalid, "Diese Buchung gibt es nicht mehr."};
    return changeAndSave(table, table.count, accountFile, [&] { table.slot(slot) = record; });
}

Result<void> ReplaceAndAddBookings(BookingTable &table, int slot, const BookingRecord &record,
                                   const std::vector<BookingRecord> &added,
                                   const std::filesystem::path &accountFile) {
    return ReplaceAndAddBookings(table, {{slot, record}}, added, accountFile);
}

Result<void> ReplaceAndAddBookings(BookingTable &table,
                                   const std::vector<SlotReplacement> &replaced,
                                   const std::vector<BookingRecord> &added,
                                   const std::filesystem::path &accountFile) {
    for (const SlotReplacement &replacement : replaced) {
        if (replacement.slot < 1 || replacement.slot > table.count)
            return Error{ErrorKind::Invalid, "Diese Buchung gibt es nicht mehr."};
    }
    if (added.size() > static_cast<std::size_t>(MaxBookings - table.count))
        return TableFullError();
    return changeAndSave(table, table.count + added.size(), accountFile, [&] {
        for (const SlotReplacement &replacement : replaced)
            table.slot(replacement.slot) = replacement.record;
        for (const BookingRecord &r : added)
            table.slot(++table.count) = r;
    });
}

Result<void> DeleteBooking(BookingTable &table, int slot,
                           const std::filesystem::path &accountFile) {
    if (slot < 1 || slot > table.count)
        return Error{ErrorKind::Invalid, "Diese Buchung gibt es nicht mehr."};
    return changeAndSave(table, table.count, accountFile, [&] {
        table.slot(slot) = table.slot(table.count);
        table.slot(table.count) = BookingRecord{};
        --table.count;
    });
}

} // namespace penvaro::core
