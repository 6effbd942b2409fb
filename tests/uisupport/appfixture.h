#pragma once

#include "scripteduiservice.h"

#include "core/bookingrecord.h"
#include "core/bookingtable.h"
#include "platform/appstate.h"
#include "platform/clock.h"
#include "platform/registrystore.h"

#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <vector>

namespace penvaro::testing {

// A program's process-wide objects for one test: a settings store in a temporary folder, a
// scripted UI service, a fixed today (20.06.2011), the German locale, a program folder of its
// own and account files in the same temporary folder. A plain object, so that a test can build
// one per case; AppFixture is the same for a whole test.
class TestApp {
public:
    // An unusable store fails every operation, as a registry that cannot be opened.
    enum class Store { Usable, Unusable };

    explicit TestApp(Store kind = Store::Usable);
    ~TestApp();
    TestApp(const TestApp &) = delete;
    TestApp &operator=(const TestApp &) = delete;

    std::filesystem::path accountPath(const QString &name) const;
    // Writes the records as an account file and returns its path.
    std::filesystem::path writeAccount(const QString &name,
                                       const std::vector<core::BookingRecord> &records) const;
    // Makes the file the one the program reopens at start.
    void setLastFile(const std::filesystem::path &file);
    void setValue(const QString &key, const QString &name, const platform::RegistryValue &value);
    // A value of the file's own settings key.
    void setFileValue(const std::filesystem::path &file, const QString &name,
                      const platform::RegistryValue &value);
    // What the program said to the user: everything shown but the dialogs and file choosers.
    std::vector<ScriptedUiService::Shown> messages() const;
    // The records of the file as the program would load them, in the order they are stored.
    std::vector<core::BookingRecord> recordsOnDisk(const std::filesystem::path &file) const;

private:
    // First, so that it holds the locale from before the test.
    QLocale m_previousLocale;

public:
    QTemporaryDir dir;
    std::unique_ptr<platform::RegistryStore> store;
    ScriptedUiService ui;
    platform::FixedClock clock{QDate(2011, 6, 20)};
    std::unique_ptr<platform::AppState> state;
};

// The used slots of a table.
std::vector<core::BookingRecord> UsedSlots(const core::BookingTable &table);

// The program's objects for a test of its windows, with a start window that does not wait.
class AppFixture : public ::testing::Test, public TestApp {
protected:
    AppFixture();
};

} // namespace penvaro::testing
