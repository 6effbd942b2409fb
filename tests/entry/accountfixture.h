#pragma once

#include "scripteduiservice.h"
#include "support/tempdir.h"

#include "core/bookingrecord.h"
#include "platform/appstate.h"
#include "platform/clock.h"
#include "platform/registrystore.h"

#include <QDialog>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

namespace penvaro::entry::fixture {

// An open account file on disk and its sorted table, the settings in a store of their own, a
// scripted user, the German locale and the fixed day 20.06.2011, checked for recurring
// bookings when the file was opened.
class AccountFixture : public ::testing::Test {
protected:
    // An unusable store fails every operation, as a registry that cannot be opened.
    explicit AccountFixture(bool usableStore = true);
    ~AccountFixture() override;

    // Saves the records as the account file and loads them as the program would.
    void Open(const std::vector<core::BookingRecord> &records);
    std::vector<core::BookingRecord> InTable() const;
    // The file as the program shows it when it is opened again: loaded and sorted.
    std::vector<core::BookingRecord> OnDisk() const;
    // The statement date the account's settings hold for the statement; nothing when none.
    std::optional<double> RememberedStatementDate(int year, int number) const;
    // Runs the action while no file can grow beyond one byte, as on a full disk.
    void WithFullDisk(const std::function<void()> &action);

    QLocale m_previousLocale;
    test::TempDir dir;
    std::filesystem::path file = dir.path("giro.p11");
    QTemporaryDir settingsDir;
    std::unique_ptr<platform::RegistryStore> store;
    penvaro::testing::ScriptedUiService ui;
    platform::FixedClock clock{QDate(2011, 6, 20)};
    std::unique_ptr<platform::AppState> app;
    int refreshes = 0;
};

// Acts as the user the next time a dialog is shown modally: shows it, hands it to the test and
// closes it afterwards as "Schließen" would, unless the test closed it.
template<typename Dialog>
void OnNextModal(penvaro::testing::ScriptedUiService &ui, std::function<void(Dialog &)> user) {
    ui.setNextModal([user](QDialog &dialog) {
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        user(static_cast<Dialog &>(dialog));
        if (dialog.isVisible())
            dialog.reject();
        return dialog.result();
    });
}

// A day count from "dd.mm.yyyy".
double Day(const char *text);

core::BookingRecord WithTexts(core::BookingRecord record, const char *type, const char *party,
                              const char *purpose);

} // namespace penvaro::entry::fixture
