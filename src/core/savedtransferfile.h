#pragma once

#include "result.h"
#include "savedtransferrecord.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace penvaro::core {

inline constexpr std::size_t MaxSavedTransfers = 2500;

// The saved transfers of one account file, in file order; row r of the list page (from 1) is
// records[r - 1].
struct SavedTransferList {
    std::vector<SavedTransferRecord> records;
    // Set when the file held more than MaxSavedTransfers records: only the first ones were
    // loaded, the text says so, and the file is not written from this list, which would lose
    // the rest.
    std::string cutShort;

    // The file as it was loaded or last written. A file that differs on disk (changed by
    // someone else, or damaged and so never loaded) is not written over from this list.
    struct FileStamp {
        std::uintmax_t size = 0;
        std::filesystem::file_time_type modified;
        friend bool operator==(const FileStamp &, const FileStamp &) = default;
    };
    std::optional<FileStamp> loadedFile;
};

// The account file's full path with its last three characters replaced by "pv"
// (Haushalt.p11 gives Haushalt.pv). Without an account file there is no saved-transfer file.
Result<std::filesystem::path> SavedTransferFileName(const std::filesystem::path &accountFile);

// A missing file is created empty. A file whose size is not a whole number of records, or
// that holds a record the program cannot have written, is refused with the record and byte
// named; such a file is never written over.
Result<SavedTransferList> LoadSavedTransfers(const std::filesystem::path &path);

// Replaces the file atomically with the list's records, leaving out those whose Formular is 0,
// and notes the new file in the list. Refuses a record that could not be loaded again, and a
// file that is not the one the list was loaded from.
Result<void> WriteSavedTransfers(SavedTransferList &list, const std::filesystem::path &path);

// The changes below keep the list and the file in step: when the file cannot be written, or
// the change is refused, the list is left as it was. Rows count from 1.

// Adds the record after the last one. A full list refuses it with a message for the user.
Result<void> AppendSavedTransfer(SavedTransferList &list, const SavedTransferRecord &record,
                                 const std::filesystem::path &path);

// Reads the file afresh and adds the record after its last one: for the transfer printed with
// "Als Überweisungsvorlage speichern", so that a file that could not be loaded is refused
// here too instead of being replaced by a list of one.
Result<void> AppendSavedTransferToFile(const SavedTransferRecord &record,
                                       const std::filesystem::path &path);

Result<void> ReplaceSavedTransfer(SavedTransferList &list, std::size_t row,
                                  const SavedTransferRecord &record,
                                  const std::filesystem::path &path);

// Removes the record of the row; the records after it move up one row.
Result<void> DeleteSavedTransfer(SavedTransferList &list, std::size_t row,
                                 const std::filesystem::path &path);

} // namespace penvaro::core
