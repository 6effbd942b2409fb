#include "accountfixture.h"

#include "core/accountfile.h"
#include "core/date.h"
#include "core/sortbookingtable.h"

namespace penvaro::entry::testing {

std::optional<QStringList> FakeSuggestions::LoadSuggestions(SuggestionList list) {
    if (!opens)
        return std::nullopt;
    return lists[list];
}

bool FakeStatementDates::RememberStatementDate(int number, int year, double date) {
    if (!keyOpens)
        return false;
    dates[QString::number(year) + QString::number(number)] = date;
    return true;
}

core::Result<std::optional<double>>
FakeStatementDates::LookUpStatementDate(const QString &yearText, const QString &numberText) {
    if (!keyOpens)
        return core::Error{core::ErrorKind::Io, "Schlüssel nicht zu öffnen"};
    const auto found = dates.find(yearText + numberText);
    return found == dates.end() ? std::optional<double>() : std::optional<double>(found->second);
}

AccountFixture::AccountFixture() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    platform::RegistryStore::Opening opening =
        platform::RegistryStore::Open(settingsDir.filePath(QStringLiteral("einstellungen.sqlite")));
    EXPECT_FALSE(opening.problem.has_value());
    store = std::move(opening.store);
    app = std::make_unique<platform::AppState>(*store, ui, clock);
    app->settings().Datei = file.string();
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

void AccountFixture::BreakTheFile() {
    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
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

} // namespace penvaro::entry::testing
