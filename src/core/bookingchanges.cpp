#include "bookingchanges.h"

#include "bookingtexts.h"
#include <utility>

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
    if (auto loaded = LoadAccountFile(accountFile, table); !loaded)
        return loaded;
    if (table.partner)
        table.partner->reloaded(table);
    return ChangedFileError(accountFile);
}

// After an append the file holds what this program wrote; the next write compares with that.
void restamp(BookingTable &table, const std::filesystem::path &accountFile) {
    const auto now = StampOnDisk(accountFile);
    table.stamp = now ? *now : std::nullopt;
}

// Writes the table as the whole file, the partner prepared before and told after.
Result<void> saveWithPartner(BookingTable &table, const std::filesystem::path &accountFile) {
    const std::vector<std::uint8_t> bytes = AccountFileBytes(table);
    const FileStamp next = StampOfBytes(bytes);
    if (table.partner) {
        if (auto prepared = table.partner->prepare(table, next); !prepared)
            return prepared;
    }
    WriteOptions options;
    options.replacesProtectedFile = true;
    auto written = WriteFileAtomically(accountFile, bytes, options);
    if (table.partner)
        table.partner->finish(written.hasValue());
    if (!written)
        return written;
    table.stamp = next;
    return {};
}

// The slots a change may overwrite, as they were, and the count: enough to put the table back
// without a copy of all of it.
class Undo {
public:
    Undo(const BookingTable &table, std::vector<int> slots)
        : m_count(table.count()) {
        for (const int slot : slots)
            m_slots.emplace_back(slot, table.slot(slot));
    }
    void apply(BookingTable &table) const {
        table.resize(m_count);
        for (auto it = m_slots.rbegin(); it != m_slots.rend(); ++it)
            table.slot(it->first) = it->second;
    }

private:
    int m_count;
    std::vector<std::pair<int, BookingRecord>> m_slots;
};

// Runs a change on the table and writes the file; a failed write puts the table back. The
// change overwrites no used slot but the named ones.
template<typename Change>
Result<void> changeAndSave(BookingTable &table, std::vector<int> touched,
                           const std::filesystem::path &accountFile, Change change) {
    if (auto allowed = mayWrite(table, accountFile); !allowed)
        return allowed;
    const Undo undo(table, std::move(touched));
    change();
    if (auto saved = saveWithPartner(table, accountFile); !saved) {
        undo.apply(table);
        return saved;
    }
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
    if (table.remaining() < 1)
        return TableFullError();
    if (auto allowed = mayWrite(table, accountFile); !allowed)
        return allowed;
    table.append(record);
    const auto takeBack = [&] { table.resize(table.count() - 1); };
    if (table.partner) {
        const FileStamp next = ExtendStamp(table.stamp.value_or(FileStamp{}), RecordDigest(record));
        if (auto prepared = table.partner->prepare(table, next); !prepared) {
            takeBack();
            return prepared;
        }
    }
    auto appended = AppendBooking(record, accountFile);
    if (table.partner)
        table.partner->finish(appended.hasValue());
    if (!appended) {
        takeBack();
        return appended;
    }
    restamp(table, accountFile);
    return {};
}

Result<void> AddBookings(BookingTable &table, const std::vector<BookingRecord> &records,
                         const std::filesystem::path &accountFile) {
    if (records.size() > static_cast<std::size_t>(table.remaining()))
        return TableFullError();
    if (records.empty())
        return {};
    return changeAndSave(table, {}, accountFile, [&] {
        for (const BookingRecord &record : records)
            table.append(record);
    });
}

Result<void> ReplaceBooking(BookingTable &table, int slot, const BookingRecord &record,
                            const std::filesystem::path &accountFile) {
    if (slot < 1 || slot > table.count())
        return Error{ErrorKind::Invalid, "Diese Buchung gibt es nicht mehr."};
    return changeAndSave(table, {slot}, accountFile, [&] { table.slot(slot) = record; });
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
    std::vector<int> touched;
    for (const SlotReplacement &replacement : replaced) {
        if (replacement.slot < 1 || replacement.slot > table.count())
            return Error{ErrorKind::Invalid, "Diese Buchung gibt es nicht mehr."};
        touched.push_back(replacement.slot);
    }
    if (added.size() > static_cast<std::size_t>(table.remaining()))
        return TableFullError();
    return changeAndSave(table, std::move(touched), accountFile, [&] {
        for (const SlotReplacement &replacement : replaced)
            table.slot(replacement.slot) = replacement.record;
        for (const BookingRecord &r : added)
            table.append(r);
    });
}

Result<void> DeleteBooking(BookingTable &table, int slot,
                           const std::filesystem::path &accountFile) {
    if (slot < 1 || slot > table.count())
        return Error{ErrorKind::Invalid, "Diese Buchung gibt es nicht mehr."};
    return changeAndSave(table, {slot, table.count()}, accountFile, [&] {
        table.slot(slot) = table.slot(table.count());
        table.resize(table.count() - 1);
    });
}

} // namespace penvaro::core
