#pragma once

#include "account.h"
#include "clock.h"
#include "settingsstore.h"

#include "core/bookingtable.h"

#include <QObject>
#include <QString>

#include <filesystem>
#include <memory>

namespace penvaro::platform {

class AccountSession;
class RegistryStore;
class UiService;

// The objects that live as long as the program: the open account file,
// the settings record with its store, and the services every window reaches the user and the
// system through. Handed to the windows, so that each test builds its own.
class AppState : public QObject {
    Q_OBJECT

public:
    AppState(RegistryStore &store, UiService &ui, const Clock &clock);
    ~AppState() override;
    AppState(const AppState &) = delete;
    AppState &operator=(const AppState &) = delete;

    RegistryStore &store() { return m_store; }
    UiService &ui() { return m_ui; }
    const Clock &clock() const { return m_clock; }
    SettingsStore &settingsStore() { return m_settingsStore; }
    core::Settings &settings() { return m_settingsStore.settings(); }
    const core::Settings &settings() const { return m_settingsStore.settings(); }
    // The open account file with its bookings and companion.
    Account &account() { return m_account; }
    const Account &account() const { return m_account; }
    core::BookingTable &table() { return m_account.table(); }
    const core::BookingTable &table() const { return m_account.table(); }
    // Opens, creates and switches account files.
    AccountSession &session() { return *m_session; }

    // The current account file ("Datei"); empty while none is open.
    QString currentFile() const;
    std::filesystem::path currentPath() const;
    // The account register in the program folder ("Pfad").
    std::filesystem::path registerPath() const;
    double today() const { return DayCountOf(m_clock.today()); }

    // After every change of bookings: orders the table and announces the change.
    void announceBookingChange();
    // The same after the user added or changed this booking, which is then announced by the
    // slot it was ordered into, so that the ledger can show it.
    void announceBookingChange(const core::BookingRecord &touched);

Q_SIGNALS:
    // The table holds other bookings, or the same in another order: whatever shows them
    // shows them again.
    void bookingsChanged();
    // Follows bookingsChanged() when one booking was the user's change.
    void bookingTouched(int slot);

private:
    RegistryStore &m_store;
    UiService &m_ui;
    const Clock &m_clock;
    SettingsStore m_settingsStore;
    Account m_account;
    std::unique_ptr<AccountSession> m_session;
};

} // namespace penvaro::platform
