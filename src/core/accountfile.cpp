#include "accountfile.h"

#include "fileio.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace penvaro::core {
namespace {

// Reads the whole file, refusing before any reading when it holds more records than fit.
Result<std::vector<std::uint8_t>> readRecords(const std::filesystem::path &path,
                                              std::size_t recordSize) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return ReadFailure(path, errno);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int failure = S_ISDIR(info.st_mode) ? EISDIR : errno;
        ::close(fd);
        return ReadFailure(path, failure);
    }
    const auto records = static_cast<std::size_t>(info.st_size) / recordSize;
    if (records > static_cast<std::size_t>(MaxBookings)) {
        ::close(fd);
        return Error{ErrorKind::TooLarge, "Beim Lesen von " + path.string() + ": Die Datei enthält "
                                              + std::to_string(records) + " Datensätze; höchstens "
                                              + std::to_string(MaxBookings)
                                              + " können geladen werden."};
    }
    std::vector<std::uint8_t> bytes(records * recordSize);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int failure = n < 0 ? errno : EIO;
            ::close(fd);
            return ReadFailure(path, failure);
        }
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return bytes;
}

template<std::size_t RecordSize, BookingRecord (*Decode)(std::span<const std::uint8_t, RecordSize>)>
Result<void> loadInto(const std::filesystem::path &path, BookingTable &table) {
    auto bytes = readRecords(path, RecordSize);
    ClearBookingTable(table);
    table.count = 0;
    if (!bytes)
        return bytes.error();
    const std::size_t records = bytes->size() / RecordSize;
    for (std::size_t i = 0; i < records; ++i) {
        BookingRecord &r = table.slots[i];
        r = Decode(
            std::span<const std::uint8_t, RecordSize>(bytes->data() + i * RecordSize, RecordSize));
        ScrambleTexts(r);
    }
    table.count = static_cast<std::uint16_t>(records);
    return {};
}

Result<void> writeTable(const BookingTable &table, const std::filesystem::path &path,
                        ExistingFile existing) {
    std::vector<std::uint8_t> bytes(table.count * BookingRecordSize);
    for (std::size_t i = 0; i < table.count; ++i) {
        BookingRecord scrambled = table.slots[i];
        ScrambleTexts(scrambled);
        EncodeBookingRecord(scrambled,
                            std::span<std::uint8_t, BookingRecordSize>(
                                bytes.data() + i * BookingRecordSize, BookingRecordSize));
    }
    return WriteFileAtomically(path, bytes, existing);
}

Result<void> loadLegacyAccountFile(const std::filesystem::path &path, BookingTable &table) {
    return loadInto<LegacyBookingRecordSize, DecodeLegacyBookingRecord>(path, table);
}

} // namespace

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

Result<void> SaveAccountFile(const BookingTable &table, const std::filesystem::path &path) {
    return writeTable(table, path, ExistingFile::Replace);
}

Result<void> AppendBooking(const BookingRecord &record, const std::filesystem::path &path) {
    std::uint8_t bytes[BookingRecordSize];
    BookingRecord scrambled = record;
    ScrambleTexts(scrambled);
    EncodeBookingRecord(scrambled, bytes);

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
                                              + ": Die Datei enthält schon "
                                              + std::to_string(MaxBookings) + " Datensätze."});
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
                                                BookingTable &table) {
    const std::filesystem::path target = ConvertedAccountFileName(path);
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::symlink_status(target, ec)))
        return ExistingTargetFailure(target);
    if (auto loaded = loadLegacyAccountFile(path, table); !loaded)
        return loaded.error();
    if (auto saved = writeTable(table, target, ExistingFile::Keep); !saved)
        return saved.error();
    return target;
}

} // namespace penvaro::core
