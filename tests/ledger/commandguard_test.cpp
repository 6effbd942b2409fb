#include "ledger/commandguard.h"
#include "ledger/settingsdatabase.h"
#include "scripteduiservice.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

namespace penvaro::ledger {
namespace {

using testing::ScriptedUiService;
using Kind = ScriptedUiService::Kind;

TEST(RunCommandTest, AFailureTheCommandDoesNotHandleIsShownAndTheProgramGoesOn) {
    struct Case {
        const char *what;
        std::function<core::Result<void>()> command;
        std::vector<ScriptedUiService::Shown> shown;
    };
    const Case cases[] = {
        {"success", [] { return core::Result<void>(); }, {}},
        {"error value",
         [] {
             return core::Result<void>(
                 core::Error{core::ErrorKind::Io, "Die Datei giro.p11 kann nicht gelesen werden."});
         },
         {{Kind::Failure, QStringLiteral("Die Datei giro.p11 kann nicht gelesen werden.")}}},
        {"thrown range error",
         []() -> core::Result<void> { throw std::out_of_range("Index 1001"); },
         {{Kind::Failure, QStringLiteral("Unerwarteter Fehler: Index 1001")}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedUiService ui;
        EXPECT_EQ(RunCommand(ui, c.command), c.shown.empty());
        EXPECT_EQ(ui.shown(), c.shown);
    }
}

TEST(OpenSettingsDatabaseTest, TellsTheUserWhenTheSettingsFileWasSetAside) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("einstellungen.sqlite"));
    QFile damaged(path);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("keine Datenbank");
    damaged.close();
    ScriptedUiService ui;

    auto store = OpenSettingsDatabase(ui, path);

    ASSERT_NE(store, nullptr);
    EXPECT_TRUE(store->createKey(QStringLiteral("SOFTWARE")));
    ASSERT_EQ(ui.shown().size(), 1U);
    EXPECT_EQ(ui.shown().front().kind, Kind::ErrorWindow);
    EXPECT_EQ(ui.shown().front().code, ErrorSettingsFile);
    EXPECT_TRUE(ui.shown().front().text.contains(QStringLiteral("beschädigt")));

    ui.clear();
    store = OpenSettingsDatabase(ui, path);
    EXPECT_TRUE(ui.shown().empty());
}

} // namespace
} // namespace penvaro::ledger
