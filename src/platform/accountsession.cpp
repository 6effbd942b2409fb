#include "accountsession.h"

#include "appstate.h"
#include "companion.h"
#include "pendingcheckday.h"
#include "registrystore.h"
#include "runshowingprogress.h"
#include "settingsstore.h"
#include "uiservice.h"

#include "core/accountfile.h"
#include "core/accountregister.h"
#include "core/balances.h"
#include "core/bookingchanges.h"
#include "core/fileio.h"

#include <QFileInfo>

namespace penvaro::platform {
namespace {

constexpr std::int32_t ErrorOpenRegistry = 501;

QString displayName(const std::filesystem::path &path) {
    return QString::fromStdString(path.string());
}

void report(UiService &ui, const core::Error &error) {
    ui.showFailure(QString::fromStdString(error.message));
}

} // namespace

core::Result<AccountWithDueBookings> ReadAccountWithDueBookings(const std::filesystem::path &file,
                                                                double nextCheckDay, double today) {
    AccountWithDueBookings account;
    if (auto loaded = core::LoadAccountFile(file, account.table); !loaded)
        return loaded.error();
    auto due = core::PlanDueRecurringBookings(account.table, nextCheckDay, today);
    if (!due)
        return due.error();
    account.due = std::move(*due);
    return account;
}

AccountSession::AccountSession(AppState &state)
    : m_state(state) {
    connect(&m_state, &AppState::bookingsChanged, this, &AccountSession::updateRegisterBalance);
}

bool AccountSession::openChosen() {
    for (;;) {
        const QString chosen = m_state.ui().openFileName(
            QStringLiteral("Kontodatei öffnen ..."),
            QStringLiteral("Penvaro 2011 - Kontodateien (*.p11);;Penvaro 2002-2004- "
                           "Kontodateien (*.p02)"));
        if (chosen.isEmpty())
            return false;
        const Opening opening = openFile(chosen.toStdString());
        if (opening != Opening::Declined)
            return opening == Opening::Opened;
    }
}

bool AccountSession::createChosen() {
    QString chosen =
        m_state.ui().saveFileName(QStringLiteral("Neue Kontodateien anlegen"),
                                  QStringLiteral("Penvaro 2011  - Kontodateien (*.p11)"));
    if (chosen.isEmpty())
        return false;
    if (QFileInfo(chosen).suffix().isEmpty())
        chosen += QStringLiteral(".p11");
    return create(chosen.toStdString());
}

bool AccountSession::open(const std::filesystem::path &file) {
    return openFile(file) == Opening::Opened;
}

AccountSession::Opening AccountSession::openFile(const std::filesystem::path &file) {
    if (core::IsLegacyAccountFileName(file))
        return openLegacy(file);
    // The file's own "LM" is read from the store, so the open file's values go there first:
    // it may be the same file.
    m_state.settingsStore().save();
    const bool reopening = holdsLockOf(file);
    AccountFileLock lock;
    std::optional<bool> writable = reopening ? true : takeLock(file, lock);
    if (!writable)
        return Opening::Declined;
    if (*writable && !reopening && !mayWriteLocked(file)) {
        writable = false;
        lock.unlock();
    }
    const bool settled = !*writable || settleCatchUp(file);
    auto account = readWithDueBookings(file);
    if (!account) {
        report(m_state.ui(), account.error());
        return Opening::Failed;
    }
    if (!m_state.store().createKey(ProductKey()))
        ShowRegistryError(m_state.ui(), m_state.store(), ErrorOpenRegistry);
    if (!reopening)
        m_lock = std::move(lock);
    // The program that writes the file keeps its settings, its next check day above all.
    m_readOnly = !*writable;
    m_state.settingsStore().setFileSettingsWritable(*writable);
    makeCurrent(file);
    adopt(std::move(*account), settled);
    return Opening::Opened;
}

bool AccountSession::holdsLockOf(const std::filesystem::path &file) const {
    std::error_code ec;
    return m_lock.isLocked() && std::filesystem::equivalent(file, m_state.currentPath(), ec);
}

std::optional<bool> AccountSession::takeLock(const std::filesystem::path &file,
                                             AccountFileLock &lock) {
    using Outcome = AccountFileLock::Outcome;
    switch (lock.tryLock(file)) {
    case Outcome::Locked:
        return true;
    case Outcome::InUse:
        if (m_state.ui().askYesNo(
                QStringLiteral("Die Kontodatei %1 ist schon %2 zum Bearbeiten geöffnet. Soll "
                               "sie hier schreibgeschützt geöffnet werden?\n\nBei „Nein“ können "
                               "Sie eine andere Datei wählen.")
                    .arg(displayName(file), QString::fromStdString(lock.heldBy())),
                Answer::No)
            == Answer::Yes)
            return false;
        return std::nullopt;
    case Outcome::Abandoned:
        if (m_state.ui().askYesNo(
                QStringLiteral("Die Kontodatei %1 ist noch als geöffnet gekennzeichnet, aber "
                               "kein Penvaro-Fenster bearbeitet sie; wahrscheinlich wurde das "
                               "Programm nicht ordentlich beendet. Soll die Kennzeichnung "
                               "aufgehoben und die Datei zum Bearbeiten geöffnet werden?\n\nBei "
                               "„Nein“ wird sie schreibgeschützt geöffnet.")
                    .arg(displayName(file)),
                Answer::Yes)
            != Answer::Yes)
            return false;
        return lock.takeOver(file) == Outcome::Locked;
    case Outcome::Failed:
        break;
    }
    m_state.ui().information(
        QStringLiteral("Die Kontodatei %1 kann nicht für dieses Fenster reserviert werden (%2). "
                       "Sie wird schreibgeschützt geöffnet.")
            .arg(displayName(file), QString::fromStdString(lock.failure())));
    return false;
}

bool AccountSession::mayWriteLocked(const std::filesystem::path &file) {
    // Nobody else writes the file now: a temporary copy beside it was left by a program that
    // was stopped while writing.
    core::RemoveLeftTemporaryFiles(file);
    if (auto allowed = core::CheckMayChange(file); !allowed) {
        m_state.ui().information(QString::fromStdString(allowed.error().message)
                                 + QStringLiteral(" Sie wird schreibgeschützt geöffnet."));
        return false;
    }
    const std::size_t partial = core::PartialRecordBytes(file);
    if (partial == 0)
        return true;
    return m_state.ui().askYesNo(
               QStringLiteral("Die Kontodatei %1 endet mit %2 Bytes, die keine ganze Buchung "
                              "ergeben; vermutlich wurde ein Schreiben unterbrochen. Beim nächsten "
                              "Speichern gehen diese Bytes verloren. Soll die Datei trotzdem zum "
                              "Bearbeiten geöffnet werden?\n\nBei „Nein“ wird sie "
                              "schreibgeschützt geöffnet und bleibt unverändert.")
                   .arg(displayName(file))
                   .arg(partial),
               Answer::No)
           == Answer::Yes;
}

bool AccountSession::readOnly() const {
    return m_readOnly;
}

AccountSession::Opening AccountSession::openLegacy(const std::filesystem::path &file) {
    const std::filesystem::path target = core::ConvertedAccountFileName(file);
    std::error_code ec;
    core::ExistingFile existing = core::ExistingFile::Keep;
    if (std::filesystem::exists(target, ec)) {
        const QString question =
            QStringLiteral("Die Kontodatei %1 gibt es schon. Soll sie durch die umgewandelte "
                           "Datei %2 ersetzt werden?\n\nBei „Nein“ wird die vorhandene Datei "
                           "unverändert geöffnet.")
                .arg(displayName(target), displayName(file));
        if (m_state.ui().askYesNo(question, Answer::No) != Answer::Yes)
            return openFile(target);
        existing = core::ExistingFile::Replace;
    }
    core::BookingTable converted;
    if (auto written = core::ConvertLegacyFile(file, converted, existing); !written) {
        report(m_state.ui(), written.error());
        return Opening::Failed;
    }
    const QString oldKey = FileSettingsKey(m_state.store(), displayName(file));
    const QString newKey = FileSettingsKey(m_state.store(), displayName(target));
    if (const auto hasSettings = m_state.store().keyExists(oldKey); hasSettings && *hasSettings) {
        // The converted file then starts with the default settings, which is no reason to
        // keep its bookings from the user.
        (void)m_state.store().copyKey(oldKey, newKey);
    }
    return openFile(target);
}

bool AccountSession::create(const std::filesystem::path &file) {
    std::error_code ec;
    if (std::filesystem::exists(file, ec)) {
        const QString question =
            QStringLiteral("Die Datei %1 gibt es schon. Soll sie durch eine neue, leere "
                           "Kontodatei ersetzt werden? Alle Buchungen darin gehen verloren.")
                .arg(displayName(file));
        if (m_state.ui().askYesNo(question, Answer::No) != Answer::Yes)
            return false;
    }
    SettingsStore &store = m_state.settingsStore();
    store.save();
    // A file that another program has open must not be emptied under it.
    using Outcome = AccountFileLock::Outcome;
    const bool reopening = holdsLockOf(file);
    AccountFileLock lock;
    Outcome locked = reopening ? Outcome::Locked : lock.tryLock(file);
    // The user agreed to replace the file: a lock that a crashed program left is no obstacle.
    if (locked == Outcome::Abandoned)
        locked = lock.takeOver(file);
    if (locked == Outcome::InUse) {
        m_state.ui().information(
            QStringLiteral("Die Datei %1 ist %2 geöffnet; sie wird nicht ersetzt.")
                .arg(displayName(file), QString::fromStdString(lock.heldBy())));
        return false;
    }
    if (locked == Outcome::Failed) {
        m_state.ui().showFailure(
            QStringLiteral("Die Datei %1 kann nicht angelegt werden: %2")
                .arg(displayName(file), QString::fromStdString(lock.failure())));
        return false;
    }
    // Written before the switch, so that a file that cannot be created leaves the open one.
    AccountWithDueBookings account;
    if (auto created = core::SaveAccountFile(account.table, file); !created) {
        report(m_state.ui(), created.error());
        return false;
    }
    // What the replaced file kept beside it belongs to its bookings, which are gone: its import
    // references above all would keep the same entries from being imported into the new file.
    std::error_code removed;
    std::filesystem::remove(Companion::PathOf(file), removed);
    if (!reopening)
        m_lock = std::move(lock);
    m_readOnly = false;
    core::Settings &settings = m_state.settings();
    settings.accountFile = file.string();
    store.setFileSettingsWritable(true);
    settings.amountsInEuro = true;
    settings.balancesInEuro = true;
    settings.amountsInNational = false;
    settings.balancesInNational = false;
    // The account data name the other file's account: a new file has its own, none yet.
    settings.accountHolder.clear();
    settings.accountName.clear();
    settings.accountNumber.clear();
    settings.bankCode.clear();
    settings.bankName.clear();
    settings.iban.clear();
    settings.bic.clear();
    // The new file starts with a copy of the other settings of the file that was open.
    store.save();
    store.saveLastFileName();
    store.load();
    // Nothing is due in an empty file, but its days up to today count as checked.
    auto due =
        core::PlanDueRecurringBookings(account.table, settings.nextCheckDay, m_state.today());
    const bool catchUp = due.hasValue();
    if (due)
        account.due = std::move(*due);
    adopt(std::move(account), catchUp);
    return true;
}

bool AccountSession::reopenLast() {
    if (m_state.settings().accountFile.empty())
        return false;
    m_state.settingsStore().save();
    std::optional<bool> writable = takeLock(m_state.currentPath(), m_lock);
    if (!writable)
        return false;
    if (*writable && !mayWriteLocked(m_state.currentPath())) {
        writable = false;
        m_lock.unlock();
    }
    const bool settled = !*writable || settleCatchUp(m_state.currentPath());
    // The settled "LM" is the one to go on with.
    m_state.settingsStore().load();
    auto account = readWithDueBookings(m_state.currentPath());
    if (!account) {
        m_lock.unlock();
        m_registered = {m_state.settings().accountFile, 0};
        // The register is a convenience; a start does not fail for it.
        (void)core::RecordInRegister(m_state.registerPath(), m_state.settings().accountFile,
                                     m_state.settings().accountNumber,
                                     m_state.settings().accountName, 0);
        return false;
    }
    m_readOnly = !*writable;
    m_state.settingsStore().setFileSettingsWritable(*writable);
    adopt(std::move(*account), settled);
    return true;
}

bool AccountSession::settleCatchUp(const std::filesystem::path &file) {
    if (!m_state.store().usable()
        || SettlePendingCheckDay(m_state.store(), displayName(file), file))
        return true;
    // The next check day is uncertain: planning now could plan the same bookings twice.
    tellNoCatchUp();
    return false;
}

core::Result<AccountWithDueBookings>
AccountSession::readWithDueBookings(const std::filesystem::path &file) {
    const double nextCheckDay =
        ReadAccountFileSettings(m_state.store(), displayName(file)).nextCheckDay;
    const double today = m_state.today();
    // A file of many bookings on a slow disk or a network share would freeze the window, so it
    // is read beside the window's event loop. That loop also hands the window events queued while
    // it is being built (focus, layout), earlier than they would otherwise arrive; a smaller
    // file, read well within the patience of the busy indication, is read in place and keeps
    // them in order.
    constexpr std::uintmax_t largeFile = 10000 * core::BookingRecordSize;
    std::error_code unknownSize;
    const std::uintmax_t bytes = std::filesystem::file_size(file, unknownSize);
    if (unknownSize || bytes < largeFile)
        return ReadAccountWithDueBookings(file, nextCheckDay, today);
    std::optional<core::Result<AccountWithDueBookings>> account;
    RunShowingProgress(QStringLiteral("Die Kontodatei %1 wird gelesen …").arg(displayName(file)),
                       [&] { account = ReadAccountWithDueBookings(file, nextCheckDay, today); });
    return std::move(*account);
}

void AccountSession::makeCurrent(const std::filesystem::path &file) {
    m_state.settings().accountFile = file.string();
    m_state.settingsStore().saveLastFileName();
    m_state.settingsStore().load();
}

void AccountSession::storeDueBookings(const core::DueBookings &due) {
    // The program that writes the file plans them; "LM" stays for it.
    if (m_readOnly)
        return;
    core::Settings &settings = m_state.settings();
    if (!due.planned.empty()) {
        // Without a place for "LM" the same bookings would be planned again at every opening.
        const QString file = m_state.currentFile();
        if (!m_state.store().usable()
            || !RecordPendingCheckDay(m_state.store(), file, due.nextCheckDay, m_state.table(),
                                      due.planned)) {
            tellNoCatchUp();
            return;
        }
        if (!goOn(CatchUpStep::PendingRecorded))
            return;
        // All of the catch-up reaches the file or none of it; then "LM" stays, and the same
        // days are checked again at the next opening.
        if (auto stored = core::AddBookings(m_state.table(), due.planned, m_state.currentPath());
            !stored) {
            ForgetPendingCheckDay(m_state.store(), file);
            report(m_state.ui(), stored.error());
            return;
        }
        if (!goOn(CatchUpStep::FileSaved))
            return;
        settings.nextCheckDay = due.nextCheckDay;
        m_state.settingsStore().save();
        ForgetPendingCheckDay(m_state.store(), file);
    } else {
        settings.nextCheckDay = due.nextCheckDay;
        m_state.settingsStore().save();
    }
    if (due.stopped)
        m_state.ui().information(QString::fromStdString(due.stopped->message));
}

void AccountSession::tellNoCatchUp() {
    if (m_toldNoCatchUp)
        return;
    m_toldNoCatchUp = true;
    m_state.ui().information(
        QStringLiteral("Die fälligen monatlichen Buchungen werden nicht eingeplant, solange die "
                       "Einstellungen nicht gespeichert werden können: Sonst würden sie bei "
                       "jedem Öffnen der Kontodatei noch einmal eingeplant."));
}

void AccountSession::adopt(AccountWithDueBookings account, bool catchUp) {
    // Core refuses every write of a file opened read-only, whichever window asks. A companion
    // that cannot be read leaves the bookings with their short texts.
    ReportFailure(m_state.ui(), m_state.account().adopt(m_state.currentPath(),
                                                        std::move(account.table), !m_readOnly));
    if (catchUp)
        storeDueBookings(account.due);
    // The register learns the file before the ledger shows it, so that showing it writes
    // nothing more.
    ReportFailure(m_state.ui(), recordInRegister());
    Q_EMIT accountOpened();
    m_state.announceBookingChange();
}

core::Result<void> AccountSession::recordInRegister() {
    const core::Settings &settings = m_state.settings();
    const auto balance = core::ComputeBookBalance(m_state.table());
    // A book balance beyond 64 bits is reported by the ledger that shows it.
    if (!balance)
        return {};
    m_registered = {settings.accountFile, *balance};
    return core::RecordInRegister(m_state.registerPath(), settings.accountFile,
                                  settings.accountNumber, settings.accountName, *balance);
}

void AccountSession::updateRegisterBalance() {
    const std::string &file = m_state.settings().accountFile;
    const auto balance = core::ComputeBookBalance(m_state.table());
    // A book balance beyond 64 bits is reported by the ledger that shows it.
    if (file.empty() || !balance)
        return;
    const std::pair<std::string, std::int64_t> shown{file, *balance};
    if (shown == m_registered)
        return;
    if (ReportFailure(m_state.ui(),
                      core::UpdateRegisterBalance(m_state.registerPath(), file, *balance)))
        m_registered = shown;
}

} // namespace penvaro::platform
