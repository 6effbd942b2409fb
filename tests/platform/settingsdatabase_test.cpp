#include "platform/settingsdatabase.h"
#include "scripteduiservice.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace penvaro::platform {
namespace {

using testing::ScriptedUiService;
using Kind = ScriptedUiService::Kind;

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
} // namespace penvaro::platform
