#include "support/fixtures.h"
#include "support/records.h"
#include "support/tempdir.h"

#include "core/bookingtexts.h"
#include "core/sortbookingtable.h"
#include "core/statementimport.h"
#include "platform/account.h"
#include "platform/companion.h"
#include "platform/sepafile.h"
#include "platform/sepapayment.h"
#include "platform/statementfile.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace penvaro::platform {
namespace {

using penvaro::testing::Day;
using Step = Account::CommitStep;

const std::string LongParty = "Stadtwerke Köln Energie und Wasser Versorgung GmbH & Co. KG";
const std::string LongPurpose =
    "Kundennummer 4711-0815 Abschlag Dezember 2026 Vertragskonto 123456789 Zaehler 99 "
    "Lieferstelle Musterweg 5";

core::BookingRecord withTexts(core::BookingRecord record, std::string category) {
    core::SetBookingTexts(record, {std::move(category), LongParty, LongPurpose, {}, {}, {}});
    return record;
}

// Imports the fixture as the program does: entries imported before are known by their
// references.
core::ImportPlan import(Account &account, const std::string &fixture) {
    const auto statements = ReadStatementFile(
        QString::fromStdString(penvaro::testing::StatementFixture(fixture).string()));
    EXPECT_TRUE(statements);
    core::SortBookingTable(account.table(), {});
    auto plan = core::PlanStatementImport(account.table(), *statements, {},
                                          account.importReferences(QDate::currentDate()));
    EXPECT_TRUE(plan) << plan.error().message;
    EXPECT_TRUE(account.applyImport(*plan, QDate::currentDate()));
    return *plan;
}

std::size_t added(const core::ImportPlan &plan) {
    return static_cast<std::size_t>(
        std::count_if(plan.steps.begin(), plan.steps.end(), [](const core::ImportStep &step) {
            return step.action == core::ImportAction::Added;
        }));
}

// Thrown at a step of a commit: nothing after it runs, as after a crash.
struct Stopped {};

class AccountCommit : public ::testing::Test {
protected:
    void SetUp() override {
        penvaro::testing::WriteBytes(
            file(), penvaro::testing::FileBytes({penvaro::testing::StartValue(26040100)}));
    }
    std::filesystem::path file() const { return m_dir.path("giro.p11"); }
    QString sepaFile() const { return QString::fromStdString(m_dir.path("auftrag.xml").string()); }

    penvaro::testing::TempDir m_dir;
};

// Stopped after each step of a commit as a crash would stop it, an operation leaves the file and
// its companion both old or both new once the file is opened again; the same entries imported
// afterwards in one format and then the other are booked once.
TEST_F(AccountCommit, AStoppedCommitIsSettledAtTheNextOpening) {
    const core::SepaTransfer transfer{LongParty,   "DE02120300000000202051", "", 1255000,
                                      LongPurpose, Day("15.01.2027")};
    struct Operation {
        const char *name;
        std::function<void(Account &)> run;
        // The booking it makes, as the file holds it when the operation went through.
        std::optional<core::BookingRecord> booking;
    };
    const std::vector<Operation> operations = {
        {"import", [](Account &a) { import(a, "camt053-same-day.xml"); }, std::nullopt},
        {"payment",
         [](Account &a) {
             (void)a.add(withTexts(penvaro::testing::Planned("20.12.2026", -9900), "ÜB"));
         },
         withTexts(penvaro::testing::Planned("20.12.2026", -9900), "ÜB")},
        {"sepa-transfer",
         [&](Account &a) {
             const QByteArray document =
                 SepaCreditTransferFile({"Verein", "DE89370400440532013000", "COBADEFFXXX", ""},
                                        {transfer}, QDateTime(), Day("11.12.2026"));
             (void)WriteSepaFileAndBook(sepaFile(), document, a, {transfer}, Day("11.12.2026"));
         },
         core::SepaBooking(transfer, Day("11.12.2026"))},
        {"typed booking",
         [](Account &a) {
             (void)a.add(std::vector{
                 withTexts(penvaro::testing::Recurring(5, "05.01.2027"), "Lebensmittel")});
         },
         withTexts(penvaro::testing::Recurring(5, "05.01.2027"), "Lebensmittel")},
    };
    for (const Operation &operation : operations) {
        for (const std::optional<Step> stop : {std::optional<Step>(), std::optional(Step::Staged),
                                               std::optional(Step::FileWritten)}) {
            SCOPED_TRACE(std::string(operation.name) + " stopped at "
                         + (stop ? std::to_string(static_cast<int>(*stop)) : "none"));
            SetUp();
            std::filesystem::remove(Companion::PathOf(file()));
            std::filesystem::remove(sepaFile().toStdString());
            {
                Account account;
                ASSERT_TRUE(account.load(file(), true));
                account.setCommitStepHook([&](Step step) {
                    if (step == stop)
                        throw Stopped();
                });
                try {
                    operation.run(account);
                } catch (const Stopped &) {
                }
            }
            Account reopened;
            ASSERT_TRUE(reopened.load(file(), true));
            if (operation.booking) {
                const int slot = core::SlotOf(reopened.table(), *operation.booking);
                // A booking that reached the file has its whole texts, and nothing else does.
                EXPECT_EQ(stop != Step::Staged, slot != 0);
                for (const core::BookingRecord &r : reopened.table().used())
                    EXPECT_TRUE(!r.details || core::PurposeText(r) == LongPurpose);
                if (std::string(operation.name) == "sepa-transfer") {
                    EXPECT_EQ(slot != 0, std::filesystem::exists(sepaFile().toStdString()));
                    EXPECT_FALSE(std::filesystem::exists(sepaFile().toStdString() + ".pvneu"));
                }
            }
            const core::ImportPlan camt = import(reopened, "camt053-same-day.xml");
            const core::ImportPlan mt940 = import(reopened, "mt940-same-day.sta");
            EXPECT_EQ(0u, added(mt940)) << "an entry booked twice";
            ASSERT_TRUE(mt940.closingBalance);
            EXPECT_EQ(*mt940.closingBalance, mt940.bookBalanceAtClosing) << "an entry lost";
            if (std::string(operation.name) == "import") {
                EXPECT_EQ(stop == Step::Staged ? 4u : 0u, added(camt));
            }
        }
    }
}

TEST_F(AccountCommit, TextsAreWholeAndFallBackWhenAnotherProgramChangedTheRecord) {
    {
        Account account;
        ASSERT_TRUE(account.load(file(), true));
        ASSERT_TRUE(
            account.add(withTexts(penvaro::testing::Planned("20.12.2026", -9900), "Lebensmittel")));
        // The same bytes twice: each keeps its own texts by its place.
        ASSERT_TRUE(account.add(withTexts(penvaro::testing::Planned("20.12.2026", -9900),
                                          "Lebensmittel und Getränke")));
        ASSERT_TRUE(
            account.add(withTexts(penvaro::testing::Planned("21.12.2026", -100), "Versicherung")));
    }
    Account reopened;
    ASSERT_TRUE(reopened.load(file(), false));
    ASSERT_EQ(4, reopened.table().count());
    EXPECT_EQ("Lebensmitt", reopened.table().slot(2).Buchungsart.toUtf8());
    EXPECT_EQ("Lebensmittel", core::CategoryText(reopened.table().slot(2)));
    EXPECT_EQ("Lebensmittel und Getränke", core::CategoryText(reopened.table().slot(3)));
    EXPECT_EQ(LongParty, core::PartyText(reopened.table().slot(3)));
    EXPECT_EQ(LongPurpose, core::PurposeText(reopened.table().slot(3)));

    // Another program changes the amount of the first: neither of the two that had the same
    // bytes can be told apart any more, so both show their records' own texts, never the
    // other's; the third keeps its whole texts.
    auto bytes = penvaro::testing::ReadBytes(file());
    bytes[core::BookingRecordSize + 124] ^= 0x01;
    penvaro::testing::WriteBytes(file(), bytes);
    Account changed;
    ASSERT_TRUE(changed.load(file(), false));
    for (const int slot : {2, 3}) {
        EXPECT_EQ("Lebensmitt", core::CategoryText(changed.table().slot(slot)));
        EXPECT_EQ(std::string(LongPurpose, 0, 50), core::PurposeText(changed.table().slot(slot)));
    }
    EXPECT_EQ("Versicherung", core::CategoryText(changed.table().slot(4)));
}

TEST_F(AccountCommit, AFileWithoutCompanionGetsOneOnlyWhenSomethingIsKeptThere) {
    Account account;
    ASSERT_TRUE(account.load(file(), true));
    ASSERT_TRUE(account.add(penvaro::testing::Planned("20.12.2026", -9900)));
    EXPECT_FALSE(std::filesystem::exists(Companion::PathOf(file())));
    ASSERT_TRUE(account.add(withTexts(penvaro::testing::Planned("21.12.2026", -100), "ÜB")));
    EXPECT_TRUE(std::filesystem::exists(Companion::PathOf(file())));
    EXPECT_EQ(0600u,
              static_cast<unsigned>(std::filesystem::status(Companion::PathOf(file())).permissions()
                                    & std::filesystem::perms::all));
}

} // namespace
} // namespace penvaro::platform
