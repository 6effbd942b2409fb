#include "appfixture.h"
#include "support/records.h"

#include "core/accountfile.h"
#include "platform/settingsstore.h"

#include <QFile>

namespace penvaro::testing {

namespace {

std::unique_ptr<platform::RegistryStore> OpenStore(const QTemporaryDir &dir, TestApp::Store kind) {
    const bool usable = kind == TestApp::Store::Usable;
    // A file where the store's folder should be leaves no way to open it.
    const QString folder = usable ? dir.path() : dir.filePath(QStringLiteral("kein-ordner"));
    if (!usable) {
        QFile blocker(folder);
        EXPECT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    platform::RegistryStore::Opening opening =
        platform::RegistryStore::Open(folder + QStringLiteral("/einstellungen.sqlite"));
    EXPECT_EQ(usable, !opening.problem.has_value());
    return std::move(opening.store);
}

} // namespace

TestApp::TestApp(Store kind)
    : store(OpenStore(dir, kind)) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    // Each test has a program folder (account register) of its own; the settings record
    // computes it when the program's objects are made.
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath(QStringLiteral("data"))));
    state = std::make_unique<platform::AppState>(*store, ui, clock);
}

TestApp::~TestApp() {
    QLocale::setDefault(m_previousLocale);
}

std::filesystem::path TestApp::accountPath(const QString &name) const {
    return QFile::encodeName(dir.filePath(name)).toStdString();
}

std::filesystem::path TestApp::writeAccount(const QString &name,
                                            const std::vector<core::BookingRecord> &records) const {
    core::BookingTable table;
    penvaro::testing::Fill(table, records);
    const auto path = accountPath(name);
    EXPECT_TRUE(core::SaveAccountFile(table, path));
    return path;
}

void TestApp::setLastFile(const std::filesystem::path &file) {
    setValue(platform::ProductKey(), QStringLiteral("Datei"),
             QString::fromStdString(file.string()));
}

std::vector<core::BookingRecord> TestApp::recordsOnDisk(const std::filesystem::path &file) const {
    core::BookingTable table;
    EXPECT_TRUE(core::LoadAccountFile(file, table));
    return UsedSlots(table);
}

void TestApp::setValue(const QString &key, const QString &name,
                       const platform::RegistryValue &value) {
    EXPECT_TRUE(store->createKey(key));
    EXPECT_TRUE(store->setValue(key, name, value));
}

void TestApp::setFileValue(const std::filesystem::path &file, const QString &name,
                           const platform::RegistryValue &value) {
    setValue(platform::FileSettingsKey(*store, QString::fromStdString(file.string())), name, value);
}

std::vector<ScriptedUiService::Shown> TestApp::messages() const {
    std::vector<ScriptedUiService::Shown> shown;
    for (const ScriptedUiService::Shown &entry : ui.shown()) {
        using Kind = ScriptedUiService::Kind;
        if (entry.kind != Kind::Modal && entry.kind != Kind::OpenFile
            && entry.kind != Kind::SaveFile && entry.kind != Kind::Folder
            && entry.kind != Kind::Font)
            shown.push_back(entry);
    }
    return shown;
}

std::vector<core::BookingRecord> UsedSlots(const core::BookingTable &table) {
    return {table.used().begin(), table.used().end()};
}

AppFixture::AppFixture() {
    // The start window would otherwise wait its seconds in every test.
    setValue(platform::ProductKey(), QStringLiteral("StartB"), std::int32_t(0));
}

} // namespace penvaro::testing
