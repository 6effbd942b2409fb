#pragma once

#include "core/protectedfiles.h"

#include <filesystem>
#include <string>

namespace penvaro::platform {

// Keeps a second program from writing an account file that is open for writing: a lock file
// beside it (".NAME.lock") held with an advisory lock for as long as the file is open. The
// system lets go of the advisory lock when a program ends in any way, so a lock file that
// nobody holds was left by a program that crashed. The lock file belongs to the file's real
// path, so that every name of the file (a symbolic link, a relative path) meets the same lock.
// It holds who has the file open, so that whoever is refused can be told. The account file
// itself is held with an advisory lock too: a hard link, which has no real path in common with
// the file, meets that one. While locked, the account file and its lock file are protected
// from every writer of the program (core::ProtectedFile). A name too long for the files
// derived from it (the lock, a temporary copy) is refused here, before anything is opened.
class AccountFileLock {
public:
    // Who has the file open: a program window or penvaro-cli.
    enum class Holder { Window, Cli };
    enum class Outcome {
        Locked,    // this program may write the file
        InUse,     // another program has it open for writing
        Abandoned, // a crashed program left its lock file; takeOver() takes it
        Failed,    // no lock file can be made there (read-only folder, no permission)
    };

    explicit AccountFileLock(Holder holder = Holder::Window)
        : m_holder(holder) {}
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
    // After InUse: who holds the lock, in German ("in einem Penvaro-Fenster (Prozess 4711)").
    const std::string &heldBy() const { return m_heldBy; }

    static std::filesystem::path lockFileOf(const std::filesystem::path &accountFile);

private:
    Outcome lock(const std::filesystem::path &accountFile, bool takeAbandoned);

    // Notes who holds the lock file for heldBy().
    void inUse(const std::filesystem::path &lockFile);

    // Takes the advisory lock on the account file itself; false when another program holds it
    // under another name.
    bool lockIdentity(const std::filesystem::path &accountFile);

    Holder m_holder = Holder::Window;
    int m_fd = -1;
    int m_identityFd = -1;
    core::ProtectedFile m_protectedFile;
    core::ProtectedFile m_protectedLock;
    core::ProtectedFile m_protectedCompanion;
    core::ProtectedFile m_protectedJournal;
    std::filesystem::path m_lockFile;
    std::string m_failure;
    std::string m_heldBy;
};

} // namespace penvaro::platform
