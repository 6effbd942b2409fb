#include "appstate.h"

#include "accountsession.h"

#include "core/sortbookingtable.h"

namespace penvaro::platform {

double DayCountOf(QDate date) {
    static const QDate epoch(1899, 12, 30);
    return static_cast<double>(epoch.daysTo(date));
}

QDate DateOfDayCount(double dayCount) {
    static const QDate epoch(1899, 12, 30);
    return epoch.addDays(static_cast<qint64>(dayCount));
}

AppState::AppState(RegistryStore &store, UiService &ui, const Clock &clock)
    : m_store(store)
    , m_ui(ui)
    , m_clock(clock)
    , m_settingsStore(store, ui)
    , m_session(std::make_unique<AccountSession>(*this)) {
    connect(&m_account, &Account::changed, this, qOverload<>(&AppState::announceBookingChange));
}

AppState::~AppState() = default;

QString AppState::currentFile() const {
    return QString::fromStdString(settings().accountFile);
}

std::filesystem::path AppState::currentPath() const {
    return std::filesystem::path(settings().accountFile);
}

std::filesystem::path AppState::registerPath() const {
    return std::filesystem::path(settings().programFolder) / "konten.cb";
}

void AppState::announceBookingChange() {
    core::SortBookingTable(m_account.table(), core::SortOrderFromSettings(settings()));
    Q_EMIT bookingsChanged();
}

void AppState::announceBookingChange(const core::BookingRecord &touched) {
    announceBookingChange();
    // Equal records are one booking to the eye, so the first of them serves.
    if (const int slot = core::SlotOf(m_account.table(), touched))
        Q_EMIT bookingTouched(slot);
}

} // namespace penvaro::platform
