#include "accountfile.h"

#include "fileio.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace penvaro::core {
namespace {

template<std::size_t RecordSize, BookingRecord (*Decode)(std::span<const std::uint8_t, RecordSize>)>
Result<void> loadInto(const std::filesystem::path &path, BookingTable &table) {
    auto bytes = ReadRecords(path, RecordSize, static_cast<std::size_t>(MaxBookings));
    table.resize(0);
    table.stamp.reset();
    if (!bytes)
        return bytes.error();
    table.stamp = StampOfBytes(*bytes);
    const std::size_t records = bytes->size() / RecordSize;
    table.reserve(static_cast<int>(records));
    for (std::size_t i = 0; i < records; ++i) {
        BookingRecord r = Decode(
            std::span<const std::uint8_t, RecordSize>(bytes->data() + i * RecordSize, RecordSize));
        ScrambleTexts(r);
        table.append(std::move(r));
    }
    return {};
}

Result<FileStamp> writeTable(const BookingTable &table, const std::filesystem::path &path,
                             ExistingFile existing) {
    const std::vector<std::uint8_t> bytes = AccountFileBytes(table);
    WriteOptions options;
    options.existing = existing;
    options.replacesProtectedFile = true;
    if (auto written = WriteFileAtomically(path, bytes, options); !written)
        return written.error();
    return StampOfBytes(bytes);
}

Result<void> loadLegacyAccountFile(const std::filesystem::path &path, BookingTable &table) {
    return loadInto<LegacyBookingRecordSize, DecodeLegacyBookingRecord>(path, table);
}

} // namespace

std::vector<std::uint8_t> AccountFileBytes(const BookingTable &table) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(table.count()) * BookingRecordSize);
    std::size_t at = 0;
    for (const BookingRecord &record : table.used()) {
        BookingRecord scrambled = record;
        ScrambleTexts(scrambled);
        EncodeBookingRecord(scrambled, std::span<std::uint8_t, BookingRecordSize>(
                                           bytes.data() + at, BookingRecordSize));
        at += BookingRecordSize;
    }
    return bytes;
}

bool IsLegacyAccountFileName(const std::filesystem::path &path) {
    return path.native().ends_with("02");
}

std::filesystem::path ConvertedAccountFileName(const std::filesystem::path &path) {
    std::string name = path.native();
    name.replace(name.size() - 2, 2, "11");
    return name;
}

Result<void> LoadAccountFile(const std::filesystem::path &path, BookingTable &table) {
    if (IsLegacyAccountFileName(path))
        return loadLegacyAccountFile(path, table);
    return loadInto<BookingRecordSize, DecodeBookingRecord>(path, table);
}

std::size_t PartialRecordBytes(const std::filesystem::path &path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    return ec ? 0 : static_cast<std::size_t>(size % BookingRecordSize);
}

Result<std::optional<FileStamp>> StampOnDisk(const std::filesystem::path &path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return std::optional<FileStamp>();
    auto bytes = ReadRecords(path, BookingRecordSize, static_cast<std::size_t>(MaxBookings));
    if (!bytes)
        return bytes.error();
    return std::optional<FileStamp>(StampOfBytes(*bytes));
}

Result<FileStamp> SaveAccountFile(const BookingTable &table, const std::filesystem::path &path) {
    return writeTable(table, path, ExistingFile::Replace);
}

Result<void> AppendBooking(const BookingRecord &record, const std::filesystem::path &path) {
    std::uint8_t bytes[BookingRecordSize];
    BookingRecord scrambled = record;
    ScrambleTexts(scrambled);
    EncodeBookingRecord(scrambled, bytes);

    if (auto allowed = CheckMayChange(path); !allowed)
        return allowed;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return WriteFailure(path, errno);
    auto fail = [&](Error error) {
        ::close(fd);
        return error;
    };
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return fail(WriteFailure(path, errno));
    // A torn earlier write leaves a partial record; the new one goes over it, so that it stays
    // aligned and is found by the next load.
    const auto records = static_cast<std::size_t>(info.st_size) / BookingRecordSize;
    if (records >= static_cast<std::size_t>(MaxBookings))
        return fail({ErrorKind::TooLarge, "Beim Schreiben von " + path.string()
                                              + ": Die Datei enthält schon " + MaxBookingsText()
                                              + " Datensätze."});
    const auto offset = static_cast<off_t>(records * BookingRecordSize);
    std::size_t done = 0;
    while (done < BookingRecordSize) {
        const ssize_t n =
            ::pwrite(fd, bytes + done, BookingRecordSize - done, offset + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fail({ErrorKind::Io, "Beim Schreiben von " + path.string() + ": "
                                            + DescribeSystemError(errno)});
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0)
        return WriteFailure(path, errno);
    return {};
}

Result<std::filesystem::path> ConvertLegacyFile(const std::filesystem::path &path,
                                                BookingTable &table, ExistingFile existing) {
    const std::filesystem::path target = ConvertedAccountFileName(path);
    std::error_code ec;
    if (existing == ExistingFile::Keep
        && std::filesystem::exists(std::filesystem::symlink_status(target, ec)))
        return ExistingTargetFailure(target);
    if (auto loaded = loadLegacyAccountFile(path, table); !loaded)
        return loaded.error();
    auto saved = writeTable(table, target, existing);
    if (!saved)
        return saved.error();
    table.stamp = *saved;
    return target;
}

} // namespace penvaro::core
