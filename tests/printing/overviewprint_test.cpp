#include "printfixture.h"

namespace penvaro::testing {
namespace {

TEST_F(PrintFixture, TheAccountsOverviewPrintsAfterThePrintDialog) {
    core::AccountRegister accounts;
    core::RegisterEntry entry;
    entry.Kontobezeichnung.setUtf8("Girokonto");
    entry.Kontostand = 1234500;
    accounts.entries = {entry};

    ui.setNextModal([](QDialog &d) {
        EXPECT_EQ(d.objectName(), QStringLiteral("PrintDialog1"));
        return int(QDialog::Rejected);
    });
    commands.printAccountsOverview(accounts);
    EXPECT_EQ(target.runs, 0);

    ui.setNextModal([](QDialog &) { return int(QDialog::Accepted); });
    commands.printAccountsOverview(accounts);
    ASSERT_EQ(target.runs, 1);
    EXPECT_TRUE(target.canvas.findText("Girokonto"));
    EXPECT_TRUE(target.canvas.findText("Saldo vom 20.06.2011:       123,45 €"));
}

} // namespace
} // namespace penvaro::testing
