#include "appfixture.h"

#include "core/accountfile.h"
#include "platform/settingsstore.h"

#include <QFile>

namespace penvaro::testing {

AppFixture::AppFixture()
    : store(
        platform::RegistryStore::Open(dir.filePath(QStringLiteral("einstellungen.sqlite"))).store) {
    // Each test has a program folder (account register) of its own.
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath(QStringLiteral("data"))));
    state = std::make_unique<platform::AppState>(*store, ui, clock);
    // The start window would otherwise wait its seconds in every test.
    setValue(platform::ProductKey(), QStringLiteral("StartB"), std::int32_t(0));
}

std::filesystem::path AppFixture::accountPath(const QString &name) const {
    return QFile::encodeName(dir.filePath(name)).toStdString();
}

std::filesystem::path
AppFixture::writeAccount(const QString &name,
                         const std::vector<core::BookingRecord> &records) const {
    core::BookingTable table;
    for (const core::BookingRecord &record : records)
        table.slot(++table.count) = record;
    const auto path = accountPath(name);
    EXPECT_TRUE(core::SaveAccountFile(table, path));
    return path;
}

void AppFixture::setLastFile(const std::filesystem::path &file) {
    setValue(platform::ProductKey(), QStringLiteral("Datei"),
             QString::fromStdString(file.string()));
}

std::vector<core::BookingRecord>
AppFixture::recordsOnDisk(const std::filesystem::path &file) const {
    core::BookingTable table;
    EXPECT_TRUE(core::LoadAccountFile(file, table));
    return {table.slots.begin(), table.slots.begin() + table.count};
}

void AppFixture::setValue(const QString &key, const QString &name,
                          const platform::RegistryValue &value) {
    EXPECT_TRUE(store->createKey(key));
    EXPECT_TRUE(store->setValue(key, name, value));
}

void AppFixture::setFileValue(const std::filesystem::path &file, const QString &name,
                              const platform::RegistryValue &value) {
    setValue(platform::FileSettingsKey(QString::fromStdString(file.string())), name, value);
}

std::vector<ScriptedUiService::Shown> AppFixture::messages() const {
    std::vector<ScriptedUiService::Shown> shown;
    for (const ScriptedUiService::Shown &entry : ui.shown()) {
        using Kind = ScriptedUiService::Kind;
        if (entry.kind != Kind::Modal && entry.kind != Kind::OpenFile
            && entry.kind != Kind::SaveFile)
            shown.push_back(entry);
    }
    return shown;
}

} // namespace penvaro::testing
