#include "editdialogfixture.h"
#include "support/records.h"

#include "entry/statementdates.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace penvaro::entry {
namespace {

using core::BookingRecord;
using penvaro::testing::ScriptedUiService;
using namespace penvaro::testing;

// Leaves the field with the focused widget's Tab, as the user does.
void TabOut() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
}

TEST_F(EditDialogTest, EnterMovesOnFromFieldToFieldAndNeverApplies) {
    state->settings().keepBookingDate = true;
    struct Case {
        FormState state;
        std::vector<const char *> chain; // from the field focused on showing
    };
    const Case cases[] = {
        {FormState::Completed,
         {"EAuszugsnr", "EAuszugsjahr", "EAuszugsdatum", "EWertdatum", "EBuchungsart", "EAbsender",
          "EVerwendungszweck", "ESollHaben", "EBetrag"}},
        {FormState::Recurring,
         {"EAuszugsnr", "EAuszugsjahr", "EWertdatum", "EBuchungsart", "EAbsender",
          "EVerwendungszweck", "ESollHaben", "EBetrag"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(static_cast<int>(c.state));
        ui.clear();
        open({testing::Completed(2011, 3, "02.05.2011"), testing::Recurring(15, "15.01.2012")});
        OnNextModal<BookingEditDialog>(ui, [&c](BookingEditDialog &d) {
            for (const char *name : c.chain) {
                EXPECT_EQ(QString::fromLatin1(name), FocusName());
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            }
            for (const auto &[from, to] : {std::pair{"EBuchungsdatum", "EBuchungsdatum"},
                                           std::pair{"EBetrag", "BDatenHinzufuegen"}}) {
                QWidget *field = Child(d, from);
                if (!field->isEnabled())
                    continue;
                field->setFocus(Qt::TabFocusReason);
                QTest::keyClick(field, Qt::Key_Enter);
                EXPECT_EQ(QString::fromLatin1(to), FocusName()) << from;
            }
            EXPECT_TRUE(d.isVisible());
        });
        EXPECT_FALSE(dialog.edit(c.state, c.state == FormState::Recurring ? 2 : 1));
        EXPECT_EQ(1u, ui.shown().size()) << "no message";
    }
    EXPECT_EQ(0, refreshes);
}

TEST_F(EditDialogTest, LeavingTheStatementYearFillsInARememberedStatementDate) {
    struct Case {
        const char *number;
        const char *dateShown;
    };
    const Case cases[] = {
        {"7", "03.05.2011"},
        {"8", "02.05.2011"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.number);
        ui.clear();
        ASSERT_TRUE(
            RememberStatementDate(*store, state->currentFile(), 7, 2011, Day("03.05.2011")));
        open({testing::Completed(2011, 3, "02.05.2011")});
        OnNextModal<BookingEditDialog>(ui, [&c](BookingEditDialog &d) {
            Retype(Child(d, "EAuszugsnr"), QString::fromLatin1(c.number));
            TabOut();
            EXPECT_EQ(QStringLiteral("EAuszugsjahr"), FocusName());
            EXPECT_EQ(QStringLiteral("02.05.2011"), TextOf(d, "EAuszugsdatum"));
            TabOut();
            EXPECT_EQ(QString::fromLatin1(c.dateShown), TextOf(d, "EAuszugsdatum"));
        });
        dialog.edit(FormState::Completed, 1);
        EXPECT_EQ(1u, ui.shown().size()) << "no message";
    }
}

TEST_F(EditDialogTest, AChangedValueDateBecomesTheBookingDate) {
    state->settings().keepBookingDate = true;
    BookingRecord completed = testing::Completed(2011, 3, "02.05.2011");
    completed.Buchungsdatum = Day("04.05.2011");
    open({completed, testing::Planned("01.07.2011")});

    OnNextModal<BookingEditDialog>(ui, [](BookingEditDialog &d) {
        Child(d, "EWertdatum")->setFocus(Qt::TabFocusReason);
        TabOut();
        EXPECT_EQ(QStringLiteral("04.05.2011"), TextOf(d, "EBuchungsdatum"))
            << "passing through keeps the booking date";
        Retype(Child(d, "EWertdatum"), QStringLiteral("03052011"));
        TabOut();
        EXPECT_EQ(QStringLiteral("03.05.2011"), TextOf(d, "EBuchungsdatum"));
    });
    dialog.edit(FormState::Completed, 1);

    OnNextModal<BookingEditDialog>(ui, [](BookingEditDialog &d) {
        EXPECT_EQ(QStringLiteral(".."), TextOf(d, "EBuchungsdatum"));
        Child(d, "EWertdatum")->setFocus(Qt::TabFocusReason);
        TabOut();
        EXPECT_EQ(QStringLiteral("01.07.2011"), TextOf(d, "EBuchungsdatum"))
            << "a transfer's empty booking date takes the value date";
    });
    dialog.edit(FormState::Transfer, 2);
}

TEST_F(EditDialogTest, LeavingTheExecutionDayChecksItAndPlacesTheFirstExecution) {
    struct Case {
        const char *today;
        const char *typed;
        const char *firstExecution;
        bool refused;
    };
    const Case cases[] = {
        {"20.06.2011", "20", "20.06.2011", false},
        {"10.02.2011", "30", "28.02.2011", false}, // the month's last day stands in for the 30th
        {"20.06.2011", "31", "15.01.2012", true},
        {"20.06.2011", "0", "15.01.2012", true},
        {"20.06.2011", "x", "15.01.2012", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        ui.clear();
        clock.setToday(platform::DateOfDayCount(Day(c.today)));
        open({testing::Recurring(15, "15.01.2012")});
        OnNextModal<BookingEditDialog>(ui, [&c](BookingEditDialog &d) {
            Retype(Child(d, "EAuszugsnr"), QString::fromLatin1(c.typed));
            TabOut();
            EXPECT_EQ(QString::fromLatin1(c.firstExecution), TextOf(d, "EWertdatum"));
            if (c.refused) {
                EXPECT_TRUE(QTest::qWaitFor([] { return FocusName() == u"EAuszugsnr"; }));
            }
        });
        dialog.edit(FormState::Recurring, 1);
        const std::vector<ScriptedUiService::Shown> shown(ui.shown().begin() + 1, ui.shown().end());
        std::vector<ScriptedUiService::Shown> expected;
        if (c.refused)
            expected.push_back(
                {ScriptedUiService::Kind::ErrorWindow,
                 QStringLiteral("Unzulässiger Ausführungstag: ") + QString::fromLatin1(c.typed)
                     + QStringLiteral(" Bitte geben Sie einen Wert zwischen 1 und 30 ein."),
                 116});
        EXPECT_EQ(expected, shown);
    }
}

TEST_F(EditDialogTest, LeavingTheFirstExecutionMovesItOntoTheExecutionDay) {
    struct Case {
        int day;
        const char *typed;
        const char *shown;
        std::vector<ScriptedUiService::Shown> messages;
    };
    const Case cases[] = {
        {15, "03062011", "15.06.2011", {}},
        {30, "10022012", "29.02.2012", {}},
        {15,
         "31022011",
         "31.02.2011",
         {ErrorShown(115, QStringLiteral("Unzulässiges 1. Ausführungsdatum: 31.02.2011"))}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        ui.clear();
        open({testing::Recurring(c.day, "15.01.2012")});
        OnNextModal<BookingEditDialog>(ui, [&c](BookingEditDialog &d) {
            Retype(Child(d, "EWertdatum"), QString::fromLatin1(c.typed));
            TabOut();
            EXPECT_EQ(QString::fromLatin1(c.shown), TextOf(d, "EWertdatum"));
        });
        dialog.edit(FormState::Recurring, 1);
        const std::vector<ScriptedUiService::Shown> shown(ui.shown().begin() + 1, ui.shown().end());
        EXPECT_EQ(c.messages, shown);
    }
}

} // namespace
} // namespace penvaro::entry
