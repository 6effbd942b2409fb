#pragma once

#include "accountfile.h"
#include "bookingtable.h"
#include "result.h"

#include <filesystem>
#include <vector>

namespace penvaro::core {

// Every change of bookings goes to the account file at once. These operations keep the table
// and the file in step: when the file cannot be written, the table is left as it was, so the
// program never shows a booking that the file does not hold. The caller sorts and refreshes.
// A table opened read-only refuses every change (ReadOnly). When another program changed the
// file since the table read or wrote it, nothing is written and the table holds the file as it
// is now (Changed), so that the caller shows it and the user can make the change again.

// Puts the record into the slot after the last used one and appends it to the file. A full
// table refuses it.
Result<void> AddBooking(BookingTable &table, const BookingRecord &record,
                        const std::filesystem::path &accountFile);

// Adds several records at once, all or none, rewriting the file.
Result<void> AddBookings(BookingTable &table, const std::vector<BookingRecord> &records,
                         const std::filesystem::path &accountFile);

// Replaces the record in a used slot and rewrites the file.
Result<void> ReplaceBooking(BookingTable &table, int slot, const BookingRecord &record,
                            const std::filesystem::path &accountFile);

// Replaces the record in a used slot and puts the added records after the last used one, with
// one rewrite of the file: all of it or, when the table is full or the write fails, nothing.
Result<void> ReplaceAndAddBookings(BookingTable &table, int slot, const BookingRecord &record,
                                   const std::vector<BookingRecord> &added,
                                   const std::filesystem::path &accountFile);

struct SlotReplacement {
    int slot = 0;
    BookingRecord record;
};

// The same for any number of replaced slots, each a used slot named once.
Result<void> ReplaceAndAddBookings(BookingTable &table,
                                   const std::vector<SlotReplacement> &replaced,
                                   const std::vector<BookingRecord> &added,
                                   const std::filesystem::path &accountFile);

// Copies the last used slot over the deleted one, empties the vacated slot, shrinks the count
// and rewrites the file.
Result<void> DeleteBooking(BookingTable &table, int slot, const std::filesystem::path &accountFile);

Error TableFullError();
Error ChangedFileError(const std::filesystem::path &accountFile);
Error ReadOnlyError(const std::filesystem::path &accountFile);

} // namespace penvaro::core
