#include "atomicfile.h"

#include "fileio.h"
#include "protectedfiles.h"

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace penvaro::core {
namespace {

// Marks a temporary file as one of ours, so that clearing up never takes a file of the user
// that merely looks like a backup (".profile.backup").
constexpr std::string_view TemporaryMark = ".pv~";
constexpr std::size_t RandomLetters = 6;

Error refusal(const std::filesystem::path &path, const std::string &reason) {
    return {ErrorKind::Io, "Beim Schreiben von " + path.string() + ": " + reason};
}

bool isTemporaryName(const std::string &name) {
    if (name.size() < 2 + TemporaryMark.size() + RandomLetters || name.front() != '.')
        return false;
    const std::size_t mark = name.size() - RandomLetters - TemporaryMark.size();
    return std::string_view(name).substr(mark, TemporaryMark.size()) == TemporaryMark;
}

std::string randomLetters() {
    static constexpr char letters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof letters - 2);
    std::string text(RandomLetters, ' ');
    for (char &c : text)
        c = letters[pick(random)];
    return text;
}

// The rename is only durable once the folder entry itself is on disk.
void syncFolder(const std::filesystem::path &folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

std::filesystem::path folderOf(const std::filesystem::path &path) {
    return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

} // namespace

std::optional<std::string> WriteRefusal(const std::filesystem::path &target,
                                        bool replacesProtectedFile) {
    if (!replacesProtectedFile) {
        if (const auto held = ProtectedFileAt(target))
            return "Das ist die geöffnete Datei " + held->string()
                   + " (eine Kontodatei, ihre Sperrdatei oder ihre Begleitdatei); sie wird "
                     "nicht überschrieben.";
    }
    // stat, not open: opening a pipe would wait for a reader.
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0)
        return std::nullopt;
    if (S_ISDIR(info.st_mode))
        return DescribeSystemError(EISDIR);
    if (!S_ISREG(info.st_mode))
        return "Das ist keine gewöhnliche Datei, sondern ein Gerät, eine Pipe oder ein Socket; "
               "sie wird nicht ersetzt.";
    return std::nullopt;
}

Result<void> CheckWriteTarget(const std::filesystem::path &target, bool replacesProtectedFile) {
    if (const auto reason = WriteRefusal(target, replacesProtectedFile))
        return refusal(target, *reason);
    return {};
}

Result<AtomicFile> AtomicFile::begin(const std::filesystem::path &requested, WriteOptions options) {
    if (auto allowed = CheckWriteTarget(requested, options.replacesProtectedFile); !allowed)
        return allowed.error();
    // Replace what a symbolic link points to, not the link; a link that leads nowhere is
    // refused under the name the user knows.
    std::error_code ec;
    std::filesystem::path path = requested;
    if (std::filesystem::is_symlink(requested, ec)) {
        path = std::filesystem::weakly_canonical(requested, ec);
        if (ec)
            return WriteFailure(requested, ec.value());
    }
    if (path.filename().empty())
        return refusal(requested, DescribeSystemError(EISDIR));
    if (options.existing == ExistingFile::Replace) {
        if (auto allowed = CheckMayChange(path); !allowed)
            return allowed.error();
    }
    const std::filesystem::path folder = folderOf(path);
    RemoveAbandonedTemporaryFiles(folder);

    const std::string prefix = "." + path.filename().string() + std::string(TemporaryMark);
    std::filesystem::path temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = folder / (prefix + randomLetters());
        fd = ::open(temporary.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                    options.newFileMode);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        const int failure = errno;
        if (failure == ENOENT)
            return refusal(requested, "Der Ordner „" + folder.string() + "“ ist nicht vorhanden.");
        return WriteFailure(requested, failure);
    }
    // The lock tells a write in progress from one a killed program left behind.
    ::flock(fd, LOCK_EX | LOCK_NB);
    struct stat previous {};
    if (::stat(path.c_str(), &previous) == 0)
        ::fchmod(fd, previous.st_mode & 07777);
    return AtomicFile(path, temporary, fd, options.existing);
}

AtomicFile::AtomicFile(AtomicFile &&other) noexcept
    : m_target(std::move(other.m_target))
    , m_temporary(std::exchange(other.m_temporary, {}))
    , m_fd(std::exchange(other.m_fd, -1))
    , m_existing(other.m_existing) {}

AtomicFile &AtomicFile::operator=(AtomicFile &&other) noexcept {
    if (this != &other) {
        discard();
        m_target = std::move(other.m_target);
        m_temporary = std::exchange(other.m_temporary, {});
        m_fd = std::exchange(other.m_fd, -1);
        m_existing = other.m_existing;
    }
    return *this;
}

AtomicFile::~AtomicFile() {
    discard();
}

void AtomicFile::discard() {
    if (!m_temporary.empty())
        ::unlink(m_temporary.c_str());
    if (m_fd >= 0)
        ::close(m_fd);
    m_temporary.clear();
    m_fd = -1;
}

Error AtomicFile::failure(int errorNumber) {
    discard();
    return WriteFailure(m_target, errorNumber);
}

Result<void> AtomicFile::write(std::span<const std::uint8_t> bytes) {
    if (m_fd < 0)
        return WriteFailure(m_target, EBADF);
    if (!writeAll(m_fd, bytes))
        return failure(errno);
    return {};
}

Result<void> AtomicFile::commit() {
    if (m_fd < 0)
        return WriteFailure(m_target, EBADF);
    if (::fsync(m_fd) != 0)
        return failure(errno);
    // What appeared at the target while the bytes were written is not replaced either.
    if (auto allowed = CheckWriteTarget(m_target, true); !allowed) {
        discard();
        return allowed.error();
    }
    // link() refuses an existing target atomically, where a check before rename() would race.
    const bool keep = m_existing == ExistingFile::Keep;
    const bool moved = keep ? ::link(m_temporary.c_str(), m_target.c_str()) == 0
                            : ::rename(m_temporary.c_str(), m_target.c_str()) == 0;
    const int failed = errno;
    if (!moved || keep) {
        discard();
    } else {
        m_temporary.clear();
        ::close(m_fd);
        m_fd = -1;
    }
    if (!moved && failed == EEXIST)
        return ExistingTargetFailure(m_target);
    if (!moved)
        return WriteFailure(m_target, failed);
    syncFolder(folderOf(m_target));
    return {};
}

void RemoveAbandonedTemporaryFiles(const std::filesystem::path &folder) {
    std::error_code ec;
    for (const auto &entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::filesystem::path &path = entry.path();
        if (!isTemporaryName(path.filename().string()))
            continue;
        const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat held {};
        struct stat named {};
        if (::fstat(fd, &held) == 0 && S_ISREG(held.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0
            && ::lstat(path.c_str(), &named) == 0 && named.st_dev == held.st_dev
            && named.st_ino == held.st_ino)
            ::unlink(path.c_str());
        ::close(fd);
    }
}

std::size_t LongestDerivedNameLength(const std::filesystem::path &file) {
    return 1 + file.filename().string().size() + TemporaryMark.size() + RandomLetters;
}

} // namespace penvaro::core
