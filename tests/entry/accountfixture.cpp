#include "accountfixture.h"
#include "entryfixture.h"

#include "core/accountfile.h"
#include "core/date.h"
#include "core/sortbookingtable.h"
#include "entry/statementdates.h"

#include <QFile>

namespace penvaro::entry::fixture {

AccountFixture::AccountFixture(bool usableStore) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    // A file where the store's folder should be leaves no way to open it.
    const QString folder =
        usableStore ? settingsDir.path() : settingsDir.filePath(QStringLiteral("kein-ordner"));
    if (!usableStore) {
        QFile blocker(folder);
        EXPECT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    platform::RegistryStore::Opening opening =
        platform::RegistryStore::Open(folder + QStringLiteral("/einstellungen.sqlite"));
    EXPECT_EQ(usableStore, !opening.problem.has_value());
    store = std::move(opening.store);
    app = std::make_unique<platform::AppState>(*store, ui, clock);
    app->settings().Datei = file.string();
    app->settings().LM = app->today() + 1;
    app->setLedgerRefresh([this] { ++refreshes; });
}

AccountFixture::~AccountFixture() {
    QLocale::setDefault(m_previousLocale);
}

void AccountFixture::Open(const std::vector<core::BookingRecord> &records) {
    core::BookingTable table;
    for (std::size_t i = 0; i < records.size(); ++i)
        table.slots[i] = records[i];
    table.count = static_cast<std::uint16_t>(records.size());
    ASSERT_TRUE(core::SaveAccountFile(table, file));
    ASSERT_TRUE(core::LoadAccountFile(file, app->table()));
    core::SortBookingTable(app->table(), core::SortOrderFromSettings(app->settings()));
}

std::vector<core::BookingRecord> AccountFixture::InTable() const {
    const core::BookingTable &table = app->table();
    return {table.slots.begin(), table.slots.begin() + table.count};
}

std::vector<core::BookingRecord> AccountFixture::OnDisk() const {
    core::BookingTable loaded;
    EXPECT_TRUE(core::LoadAccountFile(file, loaded));
    core::SortBookingTable(loaded, core::SortOrderFromSettings(app->settings()));
    return {loaded.slots.begin(), loaded.slots.begin() + loaded.count};
}

std::optional<double> AccountFixture::RememberedStatementDate(int year, int number) const {
    const auto found = LookUpStatementDate(*store, app->currentFile(), QString::number(year),
                                           QString::number(number));
    EXPECT_TRUE(found);
    return found ? *found : std::nullopt;
}

void AccountFixture::WithFullDisk(const std::function<void()> &action) {
    const test::FileSizeLimit limit(1);
    action();
}

double Day(const char *text) {
    return core::ParseDate(text).value();
}

core::BookingRecord WithTexts(core::BookingRecord record, const char *type, const char *party,
                              const char *purpose) {
    record.Buchungsart.setUtf8(type);
    record.Absender.setUtf8(party);
    record.Verwendungszweck.setUtf8(purpose);
    return record;
}

} // namespace penvaro::entry::fixture
