#pragma once

#include "bookingtable.h"
#include "fileio.h"
#include "result.h"

#include <filesystem>
#include <optional>
#include <vector>

namespace penvaro::core {

// An account file of the older edition is told by its name, not its content: the name ends
// in "02" (usually "*.p02") and its records have the 140-byte layout.
bool IsLegacyAccountFileName(const std::filesystem::path &path);

// The name a converted legacy file gets: the last two characters replaced by "11".
std::filesystem::path ConvertedAccountFileName(const std::filesystem::path &path);

// Replaces the table's contents with the file's records (in the older layout when the name
// says so) and sets the stamp. A refused load leaves an empty table with no stamp.
Result<void> LoadAccountFile(const std::filesystem::path &path, BookingTable &table);

// The bytes after the last whole record of the file, which the next write drops: what an
// interrupted write of another program left. 0 when there is no such file.
std::size_t PartialRecordBytes(const std::filesystem::path &path);

// The stamp of the file as it is now; none when there is no such file.
Result<std::optional<FileStamp>> StampOnDisk(const std::filesystem::path &path);

// The file's bytes for the table's records.
std::vector<std::uint8_t> AccountFileBytes(const BookingTable &table);

// Replaces the file with the table's records. The previous file stays whole until
// the new one is completely on disk. Gives the stamp of what it wrote.
Result<FileStamp> SaveAccountFile(const BookingTable &table, const std::filesystem::path &path);

// Adds one record at the end of the last whole record of an existing file. Refuses when the
// file already holds as many records as a table can load.
Result<void> AppendBooking(const BookingRecord &record, const std::filesystem::path &path);

// Reads an older-layout file into the table and writes it as "*.p11" beside the old file,
// which stays unchanged. Returns the new file's path. An existing target is replaced only when
// the caller says so (after asking the user); otherwise the result is a TargetExists error and
// both files and the table are left as they were.
Result<std::filesystem::path> ConvertLegacyFile(const std::filesystem::path &path,
                                                BookingTable &table,
                                                ExistingFile existing = ExistingFile::Keep);

} // namespace penvaro::core
