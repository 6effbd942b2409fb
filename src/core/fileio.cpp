#include "fileio.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace penvaro::core {
namespace {

// Temporary copies that earlier versions, stopped during a write, left beside the file
// (".NAME.XXXXXX").
void removeEarlierTemporaryFiles(const std::filesystem::path &file) {
    const std::string prefix = "." + file.filename().string() + ".";
    const std::filesystem::path folder =
        file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    std::error_code ec;
    for (const auto &entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.size() != prefix.size() + 6 || !name.starts_with(prefix)
            || !entry.is_regular_file(ec) || entry.is_symlink(ec))
            continue;
        std::filesystem::remove(entry.path(), ec);
    }
}

} // namespace

std::string DescribeSystemError(int errorNumber) {
    switch (errorNumber) {
    case ENOENT:
        return "Die Datei oder der Ordner ist nicht vorhanden.";
    case EACCES:
    case EPERM:
        return "Keine Berechtigung.";
    case ENOSPC:
        return "Auf dem Datenträger ist kein Platz mehr.";
    case EDQUOT:
        return "Das Speicherkontingent ist erschöpft.";
    case EFBIG:
        return "Die Datei wird zu groß.";
    case EROFS:
        return "Der Datenträger ist schreibgeschützt.";
    case EISDIR:
        return "Das ist ein Ordner, keine Datei.";
    case ENOTDIR:
        return "Ein Teil des Pfades ist kein Ordner.";
    case EIO:
        return "Ein-/Ausgabefehler des Datenträgers.";
    case ELOOP:
        return "Zu viele symbolische Verknüpfungen hintereinander (vermutlich eine Schleife).";
    case ENAMETOOLONG:
        return "Der Dateiname ist zu lang.";
    case EEXIST:
        return "Die Datei ist schon vorhanden.";
    case EBUSY:
        return "Die Datei wird gerade benutzt.";
    case EINVAL:
        return "Ungültiges Argument.";
    case EMFILE:
    case ENFILE:
        return "Es sind zu viele Dateien geöffnet.";
    case ENOMEM:
        return "Nicht genügend Arbeitsspeicher.";
    case EXDEV:
        return "Die Datei liegt auf einem anderen Datenträger.";
    case ETXTBSY:
        return "Die Datei wird gerade ausgeführt.";
    case ENXIO:
        return "Das Gerät ist nicht vorhanden.";
    default:
        return std::strerror(errorNumber);
    }
}

Error ReadFailure(const std::filesystem::path &path, int errorNumber) {
    return {ErrorKind::Io,
            "Beim Lesen von " + path.string() + ": " + DescribeSystemError(errorNumber)};
}

Error WriteFailure(const std::filesystem::path &path, int errorNumber) {
    return {ErrorKind::Io,
            "Beim Schreiben von " + path.string() + ": " + DescribeSystemError(errorNumber)};
}

Result<std::vector<std::uint8_t>> ReadRecords(const std::filesystem::path &path,
                                              std::size_t recordSize, std::size_t maxRecords) {
    // Without O_NONBLOCK a named pipe would keep the program waiting for a writer forever.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return ReadFailure(path, errno);
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int failure = errno;
        ::close(fd);
        return ReadFailure(path, failure);
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        if (S_ISDIR(info.st_mode))
            return ReadFailure(path, EISDIR);
        return Error{ErrorKind::Io, "Beim Lesen von " + path.string()
                                        + ": Das ist keine gewöhnliche Datei (sondern ein "
                                          "Gerät, eine Pipe oder ein Socket)."};
    }
    const auto records = static_cast<std::size_t>(info.st_size) / recordSize;
    if (records > maxRecords) {
        ::close(fd);
        return Error{ErrorKind::TooLarge, "Beim Lesen von " + path.string() + ": Die Datei enthält "
                                              + std::to_string(records) + " Datensätze; höchstens "
                                              + std::to_string(maxRecords)
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

void RemoveLeftTemporaryFiles(const std::filesystem::path &file) {
    std::error_code ec;
    const std::filesystem::path real = std::filesystem::weakly_canonical(file, ec);
    removeEarlierTemporaryFiles(ec ? file : real);
    RemoveAbandonedTemporaryFiles(file.has_parent_path() ? file.parent_path()
                                                         : std::filesystem::path("."));
}

Result<void> CreateEmptyFile(const std::filesystem::path &path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return WriteFailure(path, errno);
    ::close(fd);
    return {};
}

Result<std::string> ReadWholeFile(const std::filesystem::path &path, std::size_t maxBytes) {
    auto bytes = ReadRecords(path, 1, maxBytes);
    if (!bytes) {
        if (bytes.error().kind != ErrorKind::TooLarge)
            return bytes.error();
        return Error{ErrorKind::TooLarge, "Beim Lesen von " + path.string()
                                              + ": Die Datei ist größer als "
                                              + std::to_string(maxBytes / (1024 * 1024)) + " MB."};
    }
    return std::string(bytes->begin(), bytes->end());
}

Result<void> CheckMayChange(const std::filesystem::path &path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return {};
    bool writable = false;
    if (::geteuid() != 0) {
        writable = ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
    } else {
        // The superuser passes every access check. Replacing a file its owner made read-only,
        // or one of another user (who would lose it to the superuser), is still not wanted;
        // the permission bits say what was meant.
        writable = info.st_uid == 0 ? (info.st_mode & S_IWUSR) != 0 : (info.st_mode & S_IWOTH) != 0;
    }
    if (writable)
        return {};
    return Error{ErrorKind::ReadOnly,
                 "Die Datei " + path.string()
                     + " ist schreibgeschützt oder gehört einem anderen Benutzer; Sie dürfen "
                       "sie nicht ändern."};
}

Error ExistingTargetFailure(const std::filesystem::path &path) {
    return {ErrorKind::TargetExists,
            "Die Datei " + path.string() + " ist schon vorhanden; sie wird nicht ersetzt."};
}

Result<void> WriteFileAtomically(const std::filesystem::path &path,
                                 std::span<const std::uint8_t> bytes, WriteOptions options) {
    auto file = AtomicFile::begin(path, options);
    if (!file)
        return file.error();
    if (auto written = file->write(bytes); !written)
        return written;
    return file->commit();
}

Result<void> WriteFileAtomically(const std::filesystem::path &path,
                                 std::span<const std::uint8_t> bytes, ExistingFile existing) {
    WriteOptions options;
    options.existing = existing;
    return WriteFileAtomically(path, bytes, options);
}

} // namespace penvaro::core
