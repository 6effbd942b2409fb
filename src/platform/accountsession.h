#pragma once

#include "accountfilelock.h"

#include "core/bookingtable.h"
#include "core/recurring.h"
#include "core/result.h"

#include <QObject>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace penvaro::platform {

class AppState;

// An account file as read, and the planned bookings its recurring bookings owe for the check
// days from nextCheckDay through today, before anything is sorted or written: every opening
// stores both, `penvaro-cli recurring` shows them.
struct AccountWithDueBookings {
    core::BookingTable table;
    core::DueBookings due;
};
core::Result<AccountWithDueBookings> ReadAccountWithDueBookings(const std::filesystem::path &file,
                                                                double nextCheckDay, double today);

// Which account file is current, and every step of making another one current: the settings
// of the file that was open are saved first, then the other file becomes current with its own
// settings, its due recurring bookings are stored with the file all or nothing, its bookings
// are shown and the account register records it once. Failures reach the user through the
// UiService; a file that cannot be read leaves the account that was open as it was.
// A file is open for writing in one program at a time: another program that opens it is asked
// to open it read-only or to choose another file; a lock that a crashed program left behind is
// taken over after asking.
class AccountSession : public QObject {
    Q_OBJECT

public:
    explicit AccountSession(AppState &state);

    // The open and new commands: ask for the file first; false when cancelled or refused.
    bool openChosen();
    bool createChosen();
    // An older-layout file is converted beside itself, asking before an existing converted
    // file is replaced; the converted file is opened.
    bool open(const std::filesystem::path &file);
    // A new empty account file that starts with a copy of the open file's settings, with the
    // euro shown and the national currency not. An existing file is replaced only after a Yes.
    bool create(const std::filesystem::path &file);
    // The last file at start: a file that cannot be read is no reason to bother the user; it
    // stays current with no bookings, and the register records it with a balance of 0.
    bool reopenLast();

    // Records the current file in the register with its account data and book balance.
    core::Result<void> recordInRegister();
    // The current file is open read-only, because another program writes it.
    bool readOnly() const;

    // The points between the writes of a catch-up at which a crash may stop the program.
    enum class CatchUpStep { PendingRecorded, FileSaved };
    // For tests that stop the sequence there as a crash would: the hook returns false to stop.
    void setCatchUpStepHook(std::function<bool(CatchUpStep)> hook) { m_stepHook = std::move(hook); }

Q_SIGNALS:
    // Another account file is current; its bookings follow with bookingsChanged.
    void accountOpened();

private:
    enum class Opening { Opened, Failed, Declined };

    Opening openFile(const std::filesystem::path &file);
    Opening openLegacy(const std::filesystem::path &file);
    // Whether the file may be written once its lock is taken; none when the user would rather
    // choose another file.
    std::optional<bool> takeLock(const std::filesystem::path &file, AccountFileLock &lock);
    bool holdsLockOf(const std::filesystem::path &file) const;
    // Once the lock is taken: whether the file may be written here, telling or asking the user
    // when it may not be or would lose bytes.
    bool mayWriteLocked(const std::filesystem::path &file);
    core::Result<AccountWithDueBookings> readWithDueBookings(const std::filesystem::path &file);
    void makeCurrent(const std::filesystem::path &file);
    // Makes the read file the open account; catchUp: its due bookings are stored first.
    void adopt(AccountWithDueBookings account, bool catchUp);
    void storeDueBookings(const core::DueBookings &due);
    void tellNoCatchUp();
    // Settles what a crash in the middle of a catch-up left; false when that cannot be done.
    bool settleCatchUp(const std::filesystem::path &file);
    bool goOn(CatchUpStep step) const { return !m_stepHook || m_stepHook(step); }
    void updateRegisterBalance();

    AppState &m_state;
    AccountFileLock m_lock;
    bool m_readOnly = false;
    bool m_toldNoCatchUp = false;
    std::function<bool(CatchUpStep)> m_stepHook;
    // The account file and book balance the register holds, so that it is written only when
    // one of them changed.
    std::pair<std::string, std::int64_t> m_registered;
};

} // namespace penvaro::platform
