#include "accountfilelock.h"

#include "companion.h"

#include "core/fileio.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <sstream>
#include <utility>

namespace penvaro::platform {
namespace {

// The lock belongs to the lock file that is in place now: one that a program removed while
// another waited for it locks nothing.
bool stillInPlace(int fd, const std::filesystem::path &lockFile) {
    struct stat held {};
    struct stat named {};
    return ::fstat(fd, &held) == 0 && ::stat(lockFile.c_str(), &named) == 0
           && held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

constexpr const char *WindowTag = "fenster";
constexpr const char *CliTag = "penvaro-cli";

void writeOwner(int fd, AccountFileLock::Holder holder) {
    const std::string owner = std::to_string(::getpid()) + ' '
                              + (holder == AccountFileLock::Holder::Cli ? CliTag : WindowTag)
                              + '\n';
    if (::ftruncate(fd, 0) == 0) {
        // Who holds the lock is a courtesy for whoever is refused; the advisory lock alone
        // decides.
        (void)!::pwrite(fd, owner.data(), owner.size(), 0);
    }
}

// Who the lock file names, in German; a lock file that names nobody (yet) is some program's.
std::string describeOwner(const std::filesystem::path &lockFile) {
    const std::string unknown = "in einem anderen Penvaro-Programm";
    const int fd = ::open(lockFile.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return unknown;
    char buffer[64] = {};
    const ssize_t n = ::pread(fd, buffer, sizeof buffer - 1, 0);
    ::close(fd);
    if (n <= 0)
        return unknown;
    std::istringstream text(std::string(buffer, static_cast<std::size_t>(n)));
    long processId = 0;
    std::string tag;
    if (!(text >> processId) || processId <= 0)
        return unknown;
    const std::string process = " (Prozess " + std::to_string(processId) + ")";
    // Lock files of earlier versions name only the process; those were program windows.
    if (text >> tag && tag == CliTag)
        return "von penvaro-cli" + process;
    return "in einem Penvaro-Fenster" + process;
}

} // namespace

AccountFileLock::~AccountFileLock() {
    unlock();
}

AccountFileLock::AccountFileLock(AccountFileLock &&other) noexcept
    : m_holder(other.m_holder)
    , m_fd(std::exchange(other.m_fd, -1))
    , m_identityFd(std::exchange(other.m_identityFd, -1))
    , m_protectedFile(std::move(other.m_protectedFile))
    , m_protectedLock(std::move(other.m_protectedLock))
    , m_protectedCompanion(std::move(other.m_protectedCompanion))
    , m_protectedJournal(std::move(other.m_protectedJournal))
    , m_lockFile(std::move(other.m_lockFile))
    , m_failure(std::move(other.m_failure))
    , m_heldBy(std::move(other.m_heldBy)) {}

AccountFileLock &AccountFileLock::operator=(AccountFileLock &&other) noexcept {
    if (this != &other) {
        unlock();
        m_holder = other.m_holder;
        m_fd = std::exchange(other.m_fd, -1);
        m_identityFd = std::exchange(other.m_identityFd, -1);
        m_protectedFile = std::move(other.m_protectedFile);
        m_protectedLock = std::move(other.m_protectedLock);
        m_protectedCompanion = std::move(other.m_protectedCompanion);
        m_protectedJournal = std::move(other.m_protectedJournal);
        m_lockFile = std::move(other.m_lockFile);
        m_failure = std::move(other.m_failure);
        m_heldBy = std::move(other.m_heldBy);
    }
    return *this;
}

std::filesystem::path AccountFileLock::lockFileOf(const std::filesystem::path &accountFile) {
    // A file that does not exist yet, or a link loop, keeps the name it was given.
    std::error_code ec;
    std::filesystem::path real = std::filesystem::weakly_canonical(accountFile, ec);
    if (ec || real.empty())
        real = std::filesystem::absolute(accountFile, ec);
    if (ec)
        real = accountFile;
    return real.parent_path() / ("." + real.filename().string() + ".lock");
}

void AccountFileLock::inUse(const std::filesystem::path &lockFile) {
    m_heldBy = describeOwner(lockFile);
}

AccountFileLock::Outcome AccountFileLock::tryLock(const std::filesystem::path &accountFile) {
    return lock(accountFile, false);
}

AccountFileLock::Outcome AccountFileLock::takeOver(const std::filesystem::path &accountFile) {
    return lock(accountFile, true);
}

AccountFileLock::Outcome AccountFileLock::lock(const std::filesystem::path &accountFile,
                                               bool takeAbandoned) {
    unlock();
    m_failure.clear();
    m_heldBy.clear();
    const std::filesystem::path lockFile = lockFileOf(accountFile);
    const long nameMax = ::pathconf(lockFile.parent_path().c_str(), _PC_NAME_MAX);
    if (core::LongestDerivedNameLength(lockFile.parent_path() / accountFile.filename())
        > static_cast<std::size_t>(nameMax > 0 ? nameMax : NAME_MAX)) {
        m_failure = core::DescribeSystemError(ENAMETOOLONG);
        return Outcome::Failed;
    }
    for (int attempt = 0; attempt < 3; ++attempt) {
        bool created = true;
        int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST) {
            created = false;
            fd = ::open(lockFile.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
            if (fd < 0 && errno == ENOENT)
                continue;
        }
        if (fd < 0) {
            m_failure = core::DescribeSystemError(errno);
            return Outcome::Failed;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int failure = errno;
            ::close(fd);
            if (failure == EWOULDBLOCK) {
                inUse(lockFile);
                return Outcome::InUse;
            }
            m_failure = core::DescribeSystemError(failure);
            return Outcome::Failed;
        }
        if (!stillInPlace(fd, lockFile)) {
            ::close(fd);
            continue;
        }
        if (!created && !takeAbandoned) {
            ::close(fd);
            return Outcome::Abandoned;
        }
        if (!lockIdentity(accountFile)) {
            // Ours only for the moment: removed, as no other program waits for this name.
            if (created)
                ::unlink(lockFile.c_str());
            ::close(fd);
            m_heldBy = "in einem anderen Penvaro-Programm, unter einem anderen Namen der Datei";
            return Outcome::InUse;
        }
        writeOwner(fd, m_holder);
        m_fd = fd;
        m_lockFile = lockFile;
        m_protectedFile = core::ProtectedFile(accountFile);
        m_protectedLock = core::ProtectedFile(lockFile);
        const std::filesystem::path companion = Companion::PathOf(accountFile);
        m_protectedCompanion = core::ProtectedFile(companion);
        // SQLite rolls an interrupted change of the companion back from this file.
        m_protectedJournal = core::ProtectedFile(companion.string() + "-journal");
        return Outcome::Locked;
    }
    inUse(lockFile);
    return Outcome::InUse;
}

bool AccountFileLock::lockIdentity(const std::filesystem::path &accountFile) {
    // A file still to be made has no other name yet.
    const int fd = ::open(accountFile.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return true;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        ::close(fd);
        return false;
    }
    m_identityFd = fd;
    return true;
}

void AccountFileLock::unlock() {
    if (m_identityFd >= 0)
        ::close(m_identityFd);
    m_identityFd = -1;
    m_protectedFile = {};
    m_protectedLock = {};
    m_protectedCompanion = {};
    m_protectedJournal = {};
    if (m_fd < 0)
        return;
    // Removed while still held, so that nobody finds a lock file without its lock.
    ::unlink(m_lockFile.c_str());
    ::close(m_fd);
    m_fd = -1;
    m_lockFile.clear();
}

} // namespace penvaro::platform
