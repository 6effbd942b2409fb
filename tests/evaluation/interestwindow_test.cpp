#include "accountfixture.h"
#include "support/records.h"
#include "widgetlookup.h"

#include "evaluation/interestwindow.h"
#include "widgets/datepicker.h"

#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

namespace penvaro::evaluation {
namespace {

using core::BookingRecord;
using penvaro::testing::Account;
using penvaro::testing::Child;
using penvaro::testing::ScriptedUiService;
using widgets::DatePicker;

constexpr std::int64_t Euro = 10000;

class InterestWindowTest : public ::testing::Test, public Account {
protected:
    // Opens the window on the account as the main window does and lets the test act in it.
    void Open(const std::function<void()> &user) {
        penvaro::testing::OnNextModal<InterestWindow>(ui, [&user](InterestWindow &) { user(); });
        window.showModal();
    }

    QString Text(const char *name) { return penvaro::testing::TextOf(window, name); }
    DatePicker &Picker(const char *name) { return *Child<DatePicker>(window, name); }
    void ClickYear(const char *button) {
        QTest::mouseClick(Child<QToolButton>(window, button), Qt::LeftButton);
    }

    InterestWindow window{*state};
};

TEST_F(InterestWindowTest, OpensOnThePeriodFromTheFirstBookingToTodayAndTheCurrentYear) {
    state->settings().creditInterestRate = 2.5;
    state->settings().debitInterestRate = 11.75;
    open({testing::StartValue(0), testing::Completed(2011, 1, "01.01.2011", 10000 * Euro),
          testing::Recurring(1, "01.01.2009")});
    Open([this] {
        EXPECT_EQ(QStringLiteral("Geld, das es von der Bank gibt ..."), window.windowTitle());
        EXPECT_EQ(QDate(2011, 1, 1), Picker("DTPvon").date());
        EXPECT_EQ(QDate(2011, 6, 20), Picker("DTPbis").date());
        EXPECT_EQ(QStringLiteral("2011"), Text("LJahr"));
        EXPECT_EQ(QStringLiteral("Für den Habenzins wird der im Optionsmenü eingegebene Wert "
                                 "2,5 % benutzt, für den Sollzins 11,75 %."),
                  Text("Label19"));
        // 100 000 000 × 2,5 / 36500 = 6849,3… gives 6849 a day: 171 days to 20 June.
        EXPECT_EQ(QStringLiteral("117,12 €"), Text("STZins"));
        EXPECT_EQ(QStringLiteral("21,23 €"), Text("ZJan"));
        EXPECT_EQ(QStringLiteral("0,00 €"), Text("ZJanS"));
        EXPECT_EQ(QStringLiteral("21,23 €"), Text("ZDec")) << "the months ahead at today's balance";
        QTest::keyClick(&window, Qt::Key_Escape);
        EXPECT_FALSE(window.isVisible());
    });
    EXPECT_EQ((std::vector<ScriptedUiService::Shown>{
                  {ScriptedUiService::Kind::Modal, QStringLiteral("TZinsenF")}}),
              ui.shown());
}

TEST_F(InterestWindowTest, EachMonthShowsItsOwnDays) {
    struct Case {
        const char *what;
        QDate today;
        std::vector<BookingRecord> records;
        const char *credit;
        const char *debit;
        QString creditText;
        QString debitText;
    };
    const std::vector<Case> cases = {
        {"10.000,00 € at 2 % all January",
         QDate(2011, 6, 20),
         {testing::Completed(2010, 1, "01.12.2010", 10000 * Euro)},
         "ZJan",
         "ZJanS",
         QStringLiteral("16,98 €"),
         QStringLiteral("0,00 €")},
        {"February ends on the 28th",
         QDate(2011, 6, 20),
         {testing::Completed(2010, 1, "01.12.2010", 10000 * Euro)},
         "ZFeb",
         "ZFebS",
         QStringLiteral("15,34 €"),
         QStringLiteral("0,00 €")},
        {"and on the 29th in a leap year",
         QDate(2012, 6, 20),
         {testing::Completed(2010, 1, "01.12.2010", 10000 * Euro)},
         "ZFeb",
         "ZFebS",
         QStringLiteral("15,89 €"),
         QStringLiteral("0,00 €")},
        {"-1.000,00 € at 9 % for the 30 days of April",
         QDate(2011, 6, 20),
         {testing::Completed(2011, 1, "01.04.2011", -1000 * Euro),
          testing::Completed(2011, 2, "01.05.2011", 1000 * Euro)},
         "ZApr",
         "ZAprS",
         QStringLiteral("0,00 €"),
         QStringLiteral("-7,40 €")},
        {"a balance of exactly 0",
         QDate(2011, 6, 20),
         {testing::Completed(2011, 1, "01.01.2011", 1000 * Euro),
          testing::Completed(2011, 2, "01.01.2011", -1000 * Euro)},
         "ZMar",
         "ZMarS",
         QStringLiteral("0,00 €"),
         QStringLiteral("0,00 €")},
        {"the month before the first booking",
         QDate(2011, 6, 20),
         {testing::Completed(2011, 1, "15.03.2011", 10000 * Euro)},
         "ZFeb",
         "ZFebS",
         QStringLiteral("0,00 €"),
         QStringLiteral("0,00 €")},
        {"the first booking on 15 March counts 17 days",
         QDate(2011, 6, 20),
         {testing::Completed(2011, 1, "15.03.2011", 10000 * Euro)},
         "ZMar",
         "ZMarS",
         QStringLiteral("9,31 €"),
         QStringLiteral("0,00 €")},
        {"the first booking in December counts to the 31st",
         QDate(2011, 6, 20),
         {testing::Completed(2011, 1, "15.12.2011", 10000 * Euro)},
         "ZDec",
         "ZDecS",
         QStringLiteral("9,31 €"),
         QStringLiteral("0,00 €")},
        {"10 February of a leap year counts the 10th to the 29th",
         QDate(2012, 6, 20),
         {testing::Completed(2012, 1, "10.02.2012", 10000 * Euro)},
         "ZFeb",
         "ZFebS",
         QStringLiteral("10,96 €"),
         QStringLiteral("0,00 €")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        clock.setToday(c.today);
        open(c.records);
        Open([&] {
            EXPECT_EQ(c.creditText, Text(c.credit));
            EXPECT_EQ(c.debitText, Text(c.debit));
        });
    }
}

TEST_F(InterestWindowTest, YearButtonsShowAnotherYearAndKeepThePeriod) {
    open({testing::Completed(2011, 1, "01.01.2011", 10000 * Euro)});
    Open([this] {
        const QString total = Text("STZins");
        ClickYear("SpeedButton1");
        EXPECT_EQ(QStringLiteral("2012"), Text("LJahr"));
        EXPECT_EQ(QStringLiteral("15,89 €"), Text("ZFeb"));
        ClickYear("SpeedButton2");
        ClickYear("SpeedButton2");
        EXPECT_EQ(QStringLiteral("2010"), Text("LJahr"));
        EXPECT_EQ(QStringLiteral("0,00 €"), Text("ZDec")) << "a year before the first booking";
        EXPECT_EQ(total, Text("STZins"));
    });
    EXPECT_EQ(std::vector<ScriptedUiService::Shown>{}, messages());
}

TEST_F(InterestWindowTest, APeriodEndingBeforeItsStartIsRefusedAndTheTotalStays) {
    open({testing::Completed(2011, 1, "01.01.2011", 10000 * Euro)});
    Open([this] {
        struct Case {
            const char *what;
            const char *picker;
            QDate day;
            QString total;
            bool refused;
        };
        const Case cases[] = {
            {"a shorter period", "DTPbis", QDate(2011, 1, 31), QStringLiteral("16,98 €"), false},
            {"an end before the start", "DTPbis", QDate(2010, 12, 31), QStringLiteral("16,98 €"),
             true},
            {"a start after the end", "DTPvon", QDate(2011, 2, 1), QStringLiteral("16,98 €"), true},
            {"a start a day before the first booking counts from it", "DTPvon", QDate(2010, 12, 31),
             QStringLiteral("16,98 €"), false},
            {"a start in the month", "DTPvon", QDate(2011, 1, 2), QStringLiteral("16,44 €"), false},
        };
        for (const Case &c : cases) {
            SCOPED_TRACE(c.what);
            ui.clear();
            Picker(c.picker).setDate(c.day);
            EXPECT_EQ(c.total, Text("STZins"));
            if (c.refused) {
                EXPECT_EQ(std::vector{penvaro::testing::ErrorShown(
                              461, QStringLiteral("Ungültiger Zeitraum!"))},
                          messages());
                EXPECT_EQ(QString::fromLatin1(c.picker), penvaro::testing::FocusName());
                // Put back, so that the next case starts from a valid period.
                Picker(c.picker).setDayCount(c.picker == std::string("DTPvon")
                                                 ? testing::Day("01.01.2011")
                                                 : testing::Day("31.01.2011"));
            } else {
                EXPECT_EQ(std::vector<ScriptedUiService::Shown>{}, messages());
            }
        }
    });
}

TEST_F(InterestWindowTest, WorksInValueDateOrderAndLeavesTheUsersOrder) {
    // A planned booking counts in the balance only while no completed booking lies after it.
    struct Case {
        const char *what;
        std::vector<BookingRecord> records;
        QString february;
    };
    const Case cases[] = {
        {"no completed booking after the planned one",
         {testing::Completed(2011, 1, "01.01.2011", 10000 * Euro),
          testing::Planned("01.02.2011", 10000 * Euro)},
         QStringLiteral("30,69 €")},
        {"a completed booking after it",
         {testing::Completed(2011, 1, "01.01.2011", 10000 * Euro),
          testing::Planned("01.02.2011", 10000 * Euro),
          testing::Completed(2011, 2, "01.06.2011", 0)},
         QStringLiteral("15,34 €")},
    };
    // Newest first, as many users keep their ledger.
    state->settings().completedAscending = false;
    state->settings().plannedAscending = false;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        open(c.records);
        const std::vector<BookingRecord> before = inTable();
        Open([&] { EXPECT_EQ(c.february, Text("ZFeb")); });
        EXPECT_EQ(before, inTable());
        EXPECT_EQ(0, refreshes);
    }
}

TEST_F(InterestWindowTest, ChangedBookingsAreComputedAgainWhileOpen) {
    open({testing::Completed(2011, 1, "01.01.2011", 10000 * Euro)});
    Open([this] {
        state->table().slot(1).Betrag = 20000 * Euro;
        state->announceBookingChange();
        EXPECT_EQ(QStringLiteral("33,97 €"), Text("ZJan"));
    });
}

} // namespace
} // namespace penvaro::evaluation
