#include "accountfixture.h"
#include "support/filesizelimit.h"
#include "support/records.h"

#include "core/accountfile.h"
#include "core/date.h"
#include "core/sortbookingtable.h"
#include "entry/statementdates.h"

namespace penvaro::testing {

Account::Account(Store kind)
    : TestApp(kind)
    , path(accountPath(QStringLiteral("giro.p11"))) {
    state->settings().accountFile = path.string();
    // The day the file was opened has been checked for recurring bookings.
    state->settings().nextCheckDay = state->today() + 1;
    QObject::connect(state.get(), &platform::AppState::bookingsChanged, [this] { ++refreshes; });
    open({});
}

void Account::open(const std::vector<core::BookingRecord> &records) {
    core::BookingTable table;
    penvaro::testing::Fill(table, records);
    ASSERT_TRUE(core::SaveAccountFile(table, path));
    ASSERT_TRUE(state->account().load(path, true));
    core::SortBookingTable(state->table(), core::SortOrderFromSettings(state->settings()));
}

std::vector<core::BookingRecord> Account::inTable() const {
    return penvaro::testing::UsedSlots(state->table());
}

std::vector<core::BookingRecord> Account::onDisk() const {
    return recordsOnDisk(path);
}

std::vector<core::BookingRecord> Account::reopened() const {
    core::BookingTable loaded;
    EXPECT_TRUE(core::LoadAccountFile(path, loaded));
    core::SortBookingTable(loaded, core::SortOrderFromSettings(state->settings()));
    return penvaro::testing::UsedSlots(loaded);
}

std::optional<double> Account::rememberedStatementDate(int year, int number) const {
    const auto found = entry::LookUpStatementDate(*store, state->currentFile(),
                                                  QString::number(year), QString::number(number));
    EXPECT_TRUE(found);
    return found ? *found : std::nullopt;
}

void WithFullDisk(const std::function<void()> &action) {
    const penvaro::testing::FileSizeLimit limit(1);
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

ScriptedUiService::Shown ErrorShown(std::int32_t code, const QString &text) {
    return {ScriptedUiService::Kind::ErrorWindow, text, code};
}

} // namespace penvaro::testing
