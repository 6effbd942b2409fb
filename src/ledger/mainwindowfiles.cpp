#include "mainwindow.h"

#include "accountsoverviewdialog.h"

#include "entry/startvaluedialog.h"

#include "core/accountfile.h"
#include "core/accountregister.h"
#include "core/recurring.h"
#include "platform/appstate.h"
#include "platform/registrystore.h"
#include "platform/settingsstore.h"
#include "platform/uiservice.h"

#include <QFileInfo>

namespace penvaro::ledger {
namespace {

constexpr std::int32_t ErrorOpenRegistry = 501;

QString message(const core::Error &error) {
    return QString::fromStdString(error.message);
}

QString displayName(const std::filesystem::path &path) {
    return QString::fromStdString(path.string());
}

} // namespace

core::Result<void> MainWindow::loadCurrentAccount() {
    if (auto loaded = core::LoadAccountFile(m_state.currentPath(), m_state.table()); !loaded)
        return loaded;
    return showLoadedAccount();
}

core::Result<void> MainWindow::showLoadedAccount() {
    if (auto applied = applyDueRecurringBookings(); !applied)
        return applied;
    core::SortBookingTable(m_state.table(), core::SortOrderFromSettings(m_state.settings()));
    return m_ledger->refreshLedger();
}

core::Result<void> MainWindow::applyDueRecurringBookings() {
    core::BookingTable &table = m_state.table();
    core::Settings &settings = m_state.settings();
    const int countBefore = table.count;
    const auto catchUp =
        core::ApplyDueRecurringBookings(table, settings.nextCheckDay, m_state.today());
    if (!catchUp)
        return catchUp.error();
    if (catchUp->created > 0) {
        // Planned bookings that did not reach the file are taken back, and the days that made
        // them are checked again at the next opening.
        if (auto saved = core::SaveAccountFile(table, m_state.currentPath()); !saved) {
            for (int slot = countBefore + 1; slot <= table.count; ++slot)
                table.slot(slot) = core::BookingRecord{};
            table.count = static_cast<std::uint16_t>(countBefore);
            return saved;
        }
    }
    settings.nextCheckDay = catchUp->nextCheckDay;
    m_state.settingsStore().SaveSettings();
    if (catchUp->stopped)
        m_state.ui().information(message(*catchUp->stopped));
    return {};
}

void MainWindow::recordCurrentInRegister(std::int64_t balance) {
    const core::Settings &settings = m_state.settings();
    if (auto recorded =
            core::RecordInRegister(m_state.registerPath(), settings.Datei, settings.Kontonummer,
                                   settings.Kontobezeichnung, balance);
        !recorded)
        m_state.ui().showFailure(message(recorded.error()));
}

void MainWindow::openAccountFile() {
    m_state.settingsStore().SaveSettings();
    const QString chosen = m_state.ui().openFileName(
        QStringLiteral("Kontodatei öffnen ..."),
        QStringLiteral("Penvaro 2011 - Kontodateien (*.p11);;Penvaro 2002-2004- Kontodateien "
                       "(*.p02)"));
    if (chosen.isEmpty())
        return;
    openAccountFileByPath(chosen.toStdString());
}

void MainWindow::openAccountFileByPath(const std::filesystem::path &path) {
    if (core::IsLegacyAccountFileName(path)) {
        openLegacyFile(path);
        return;
    }
    // A file that cannot be read leaves the account that was open as it was.
    core::BookingTable loaded;
    if (auto read = core::LoadAccountFile(path, loaded); !read) {
        m_state.ui().showFailure(message(read.error()));
        return;
    }
    if (!m_state.store().createKey(platform::ProductKey()))
        platform::ShowError(m_state.ui(), ErrorOpenRegistry, QStringLiteral("Registry-Fehler"));
    showLedger();
    m_state.settings().Datei = path.string();
    platform::SettingsStore &settings = m_state.settingsStore();
    settings.SaveLastFileName();
    settings.LoadSettings();
    m_state.table() = std::move(loaded);
    if (auto shown = showLoadedAccount(); !shown) {
        m_state.ui().showFailure(message(shown.error()));
        layoutWindow();
        return;
    }
    recordCurrentInRegister(m_ledger->bookBalance());
    layoutWindow();
}

void MainWindow::openLegacyFile(const std::filesystem::path &path) {
    const std::filesystem::path target = core::ConvertedAccountFileName(path);
    std::error_code ec;
    core::ExistingFile existing = core::ExistingFile::Keep;
    if (std::filesystem::exists(target, ec)) {
        const QString question =
            QStringLiteral("Die Kontodatei %1 gibt es schon. Soll sie durch die umgewandelte "
                           "Datei %2 ersetzt werden?\n\nBei „Nein“ wird die vorhandene Datei "
                           "unverändert geöffnet.")
                .arg(displayName(target), displayName(path));
        if (m_state.ui().askYesNo(question, platform::Answer::No) != platform::Answer::Yes) {
            openAccountFileByPath(target);
            return;
        }
        existing = core::ExistingFile::Replace;
    }
    core::BookingTable converted;
    if (auto written = core::ConvertLegacyFile(path, converted, existing); !written) {
        m_state.ui().showFailure(message(written.error()));
        return;
    }
    const QString oldKey = platform::FileSettingsKey(displayName(path));
    const QString newKey = platform::FileSettingsKey(displayName(target));
    if (const auto hasSettings = m_state.store().keyExists(oldKey); hasSettings && *hasSettings)
        (void)m_state.store().copyKey(oldKey, newKey);
    openAccountFileByPath(target);
}

void MainWindow::newAccountFile() {
    m_state.settingsStore().SaveSettings();
    QString chosen =
        m_state.ui().saveFileName(QStringLiteral("Neue Kontodateien anlegen"),
                                  QStringLiteral("Penvaro 2011  - Kontodateien (*.p11)"));
    if (chosen.isEmpty())
        return;
    if (QFileInfo(chosen).suffix().isEmpty())
        chosen += QStringLiteral(".p11");
    if (QFileInfo::exists(chosen)) {
        const QString question =
            QStringLiteral("Die Datei %1 gibt es schon. Soll sie durch eine neue, leere "
                           "Kontodatei ersetzt werden? Alle Buchungen darin gehen verloren.")
                .arg(chosen);
        if (m_state.ui().askYesNo(question, platform::Answer::No) != platform::Answer::Yes)
            return;
    }
    showLedger();
    core::BookingTable &table = m_state.table();
    core::Settings &settings = m_state.settings();
    table.count = 0;
    core::ClearBookingTable(table);
    settings.Datei = chosen.toStdString();
    settings.euroBetrag = true;
    settings.euroKontostand = true;
    settings.natBetrag = false;
    settings.natKontostand = false;
    // The new file starts with a copy of the settings of the file that was open.
    m_state.settingsStore().SaveSettings();
    m_state.settingsStore().SaveLastFileName();
    m_state.settingsStore().LoadSettings();
    if (auto created = core::SaveAccountFile(table, m_state.currentPath()); !created) {
        m_state.ui().showFailure(message(created.error()));
        return;
    }
    if (auto shown = loadCurrentAccount(); !shown) {
        m_state.ui().showFailure(message(shown.error()));
        return;
    }
    recordCurrentInRegister(m_ledger->bookBalance());
    layoutWindow();
    m_startValueDialog->showModal();
    // The new account's own bank data are typed now; the old account's would be wrong.
    core::Settings &own = m_state.settings();
    for (std::string *text : {&own.Kontonummer, &own.Kontoinhaber, &own.Kontobezeichnung,
                              &own.Institut, &own.Bankleitzahl})
        text->clear();
    m_paymentWindow->showPage(payments::PaymentWindow::Page::AccountData);
}

void MainWindow::showAccountsOverview() {
    m_accounts->refill();
    m_state.ui().runModal(*m_accounts);
}

} // namespace penvaro::ledger
