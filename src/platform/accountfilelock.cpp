#include "accountfilelock.h"

#include "core/fileio.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

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

void writeOwner(int fd) {
    const std::string owner = std::to_string(::getpid()) + '\n';
    if (::ftruncate(fd, 0) == 0) {
        // Who holds the lock is a courtesy for whoever looks at the file; the advisory lock
        // alone decides.
        (void)!::pwrite(fd, owner.data(), owner.size(), 0);
    }
}

} // namespace

AccountFileLock::~AccountFileLock() {
    unlock();
}

AccountFileLock::AccountFileLock(AccountFileLock &&other) noexcept
    : m_fd(std::exchange(other.m_fd, -1))
    , m_lockFile(std::move(other.m_lockFile))
    , m_failure(std::move(other.m_failure)) {}

AccountFileLock &AccountFileLock::operator=(AccountFileLock &&other) noexcept {
    if (this != &other) {
        unlock();
        m_fd = std::exchange(other.m_fd, -1);
        m_lockFile = std::move(other.m_lockFile);
        m_failure = std::move(other.m_failure);
    }
    return *this;
}

std::filesystem::path AccountFileLock::lockFileOf(const std::filesystem::path &accountFile) {
    return accountFile.parent_path() / ("." + accountFile.filename().string() + ".lock");
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
    const std::filesystem::path lockFile = lockFileOf(accountFile);
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
            if (failure == EWOULDBLOCK)
                return Outcome::InUse;
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
        writeOwner(fd);
        m_fd = fd;
        m_lockFile = lockFile;
        return Outcome::Locked;
    }
    return Outcome::InUse;
}

void AccountFileLock::unlock() {
    if (m_fd < 0)
        return;
    // Removed while still held, so that nobody finds a lock file without its lock.
    ::unlink(m_lockFile.c_str());
    ::close(m_fd);
    m_fd = -1;
    m_lockFile.clear();
}

} // namespace penvaro::platform
