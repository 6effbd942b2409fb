#pragma once

#include <filesystem>
#include <string>

namespace penvaro::platform {

// Keeps a second program from writing an account file that is open for writing: a lock file
// beside it (".NAME.lock") held with an advisory lock for as long as the file is open. The
// system lets go of the advisory lock when a program ends in any way, so a lock file that
// nobody holds was left by a program that crashed.
class AccountFileLock {
public:
    enum class Outcome {
        Locked,    // this program may write the file
        InUse,     // another program has it open for writing
        Abandoned, // a crashed program left its lock file; takeOver() takes it
        Failed,    // no lock file can be made there (read-only folder, no permission)
    };

    AccountFileLock() = default;
    ~AccountFileLock();
    AccountFileLock(AccountFileLock &&other) noexcept;
    AccountFileLock &operator=(AccountFileLock &&other) noexcept;
    AccountFileLock(const AccountFileLock &) = delete;
    AccountFileLock &operator=(const AccountFileLock &) = delete;

    // Takes the lock of the account file unless another program holds it or left it behind.
    Outcome tryLock(const std::filesystem::path &accountFile);
    // Takes a lock that tryLock found abandoned; InUse when another program was quicker.
    Outcome takeOver(const std::filesystem::path &accountFile);
    bool isLocked() const { return m_fd >= 0; }
    // Lets go of the lock and removes the lock file.
    void unlock();
    // Why the last attempt failed, in German.
    const std::string &failure() const { return m_failure; }

    static std::filesystem::path lockFileOf(const std::filesystem::path &accountFile);

private:
    Outcome lock(const std::filesystem::path &accountFile, bool takeAbandoned);

    int m_fd = -1;
    std::filesystem::path m_lockFile;
    std::string m_failure;
};

} // namespace penvaro::platform
