// What the entry and the edit dialog do alike when they store a booking: the first unreadable
// field stops them, a full table or disk changes nothing, and a recurring booking brings the
// planned bookings of its catch-up days, once each.
#include "accountfixture.h"
#include "support/filesizelimit.h"
#include "support/records.h"
#include "widgetlookup.h"

#include "entry/bookingeditdialog.h"
#include "entry/bookingentrydialog.h"
#include "entry/signlist.h"
#include "entry/suggestions.h"

#include "core/bookingchanges.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>

namespace penvaro::entry {
namespace {

using core::BookingKind;
using core::BookingRecord;
using penvaro::testing::ScriptedUiService;
using testing::Child;
using testing::Day;
using testing::ErrorShown;
using testing::FocusName;
using testing::Retype;

// A monthly booking on the 15th, first due on 15.06.2011.
BookingRecord Monthly(const char *firstExecution = "15.06.2011") {
    BookingRecord record;
    record.Satzart = BookingKind::Recurring;
    record.Auszugsjahr = 1;
    record.Auszugsnr = 15;
    record.Wertdatum = Day(firstExecution);
    record.Verwendungszweck.setUtf8("Miete");
    record.SollHaben = u'-';
    record.Betrag = 6500000;
    return record;
}

BookingRecord PlannedFrom(const BookingRecord &recurring, const char *date) {
    BookingRecord planned;
    planned.Satzart = BookingKind::Planned;
    planned.Wertdatum = Day(date);
    planned.Buchungsart = recurring.Buchungsart;
    planned.Absender = recurring.Absender;
    planned.Verwendungszweck = recurring.Verwendungszweck;
    planned.SollHaben = recurring.SollHaben;
    planned.Betrag = recurring.Betrag;
    return planned;
}

class BookingDialogsTest : public ::testing::Test {
public:
    // Shows the dialog as the user sees it and leaves it open for the test.
    void showNextModal() {
        account.ui.setNextModal([](QDialog &shown) {
            testing::ShowActive(shown);
            return QDialog::Rejected;
        });
    }
    QDialog &openEntry(BookingKind kind) {
        showNextModal();
        entry.showForKind(kind);
        return entry;
    }
    QDialog &openEdit(FormState state, int slot) {
        showNextModal();
        edit.edit(state, slot);
        return edit;
    }
    static void type(QDialog &dialog, const char *name, const char *typed) {
        QWidget *field = Child(dialog, name);
        if (auto *box = qobject_cast<QComboBox *>(field))
            box->setEditText(QString::fromUtf8(typed));
        else
            Retype(field, QString::fromUtf8(typed));
    }
    // The monthly booking as the user types it into the entry dialog.
    void enterMonthly(const char *firstExecution) {
        QDialog &dialog = openEntry(BookingKind::Recurring);
        type(dialog, "EAuszugsnr", "15");
        type(dialog, "EWertdatum", firstExecution);
        type(dialog, "EVerwendungszweck", "Miete");
        Child<SignList>(dialog, "ESollHaben")->setPlus(false);
        type(dialog, "EBetrag", "650");
        QTest::mouseClick(Child<QPushButton>(dialog, "BDatenHinzufuegenClose"), Qt::LeftButton);
    }

    testing::Account account;
    BookingEntryDialog entry{*account.state};
    BookingEditDialog edit{*account.state};
};

TEST_F(BookingDialogsTest, TheFirstUnreadableFieldGetsTheFocusAndNothingIsStored) {
    struct Case {
        const char *what;
        FormState state;
        const char *field;
        const char *typed;
        std::int32_t FormErrors::*code;
        const char *focus; // nullptr: the apply button keeps it
    };
    const Case cases[] = {
        {"statement year", FormState::Completed, "EAuszugsjahr", "20x1", &FormErrors::statementYear,
         nullptr},
        {"statement number", FormState::Completed, "EAuszugsnr", "65536",
         &FormErrors::statementNumber, "EAuszugsnr"},
        {"statement date", FormState::Completed, "EAuszugsdatum", "31022011",
         &FormErrors::statementDate, "EAuszugsdatum"},
        {"value date", FormState::Completed, "EWertdatum", "00052011", &FormErrors::valueDate,
         "EWertdatum"},
        {"booking date", FormState::Completed, "EBuchungsdatum", "1132011",
         &FormErrors::bookingDate, "EBuchungsdatum"},
        {"value date of a planned booking", FormState::Planned, "EWertdatum", "",
         &FormErrors::valueDate, "EWertdatum"},
        {"execution day", FormState::Recurring, "EAuszugsnr", "31", &FormErrors::executionDay,
         "EAuszugsnr"},
        {"first execution", FormState::Recurring, "EWertdatum", "", &FormErrors::firstExecution,
         "EWertdatum"},
        {"amount", FormState::Recurring, "EBetrag", "zehn", &FormErrors::amount, "EBetrag"},
    };
    account.state->settings().keepBookingDate = true;
    const std::vector<BookingRecord> records{testing::Completed(2011, 3, "02.05.2011"),
                                             testing::Planned("01.07.2011"),
                                             testing::Recurring(15, "15.07.2011")};
    for (const Case &c : cases) {
        for (const bool entering : {true, false}) {
            SCOPED_TRACE(std::string(c.what) + (entering ? ", entry" : ", edit"));
            account.open(records);
            const int slot = static_cast<int>(c.state);
            QDialog &dialog = entering ? openEntry(static_cast<BookingKind>(c.state))
                                       : openEdit(c.state, slot == 4 ? 3 : slot);
            type(dialog, "EAuszugsnr", c.state == FormState::Recurring ? "15" : "7");
            type(dialog, "EBetrag", "10");
            if (std::string(c.field) == "EAuszugsnr" && c.state == FormState::Recurring) {
                // Leaving the field would refuse the day already.
                Child<QLineEdit>(dialog, c.field)->setText(QString::fromLatin1(c.typed));
            } else if (std::string(c.field) == "EWertdatum" && c.state == FormState::Recurring) {
                Child<QLineEdit>(dialog, c.field)->clear();
            } else {
                type(dialog, c.field, c.typed);
            }
            account.ui.clear();
            auto *apply = Child<QPushButton>(dialog, entering ? "BDatenHinzufuegenNotClose"
                                                              : "BDatenHinzufuegen");
            apply->setFocus(Qt::TabFocusReason);
            QTest::keyClick(apply, Qt::Key_Return);

            ASSERT_EQ(account.ui.shown().size(), 1u);
            EXPECT_EQ(account.ui.shown()[0].kind, ScriptedUiService::Kind::ErrorWindow);
            EXPECT_EQ(account.ui.shown()[0].code, (entering ? EntryErrors : EditErrors).*c.code);
            EXPECT_EQ(FocusName(), c.focus ? QString::fromLatin1(c.focus) : apply->objectName());
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_EQ(account.inTable(), account.reopened());
            EXPECT_EQ(account.onDisk().size(), records.size());
            EXPECT_EQ(account.refreshes, 0);
            dialog.hide();
        }
    }
}

TEST_F(BookingDialogsTest, AFullTableOrAFailedWriteLeavesTableAndFileAsTheyWere) {
    const BookingRecord other = testing::Planned("01.01.2011");
    struct Case {
        const char *what;
        std::size_t records;
        std::uintmax_t fileLimit;                             // 0: none
        std::function<QDialog *(BookingDialogsTest &)> store; // the dialog left open, if any
    };
    const auto addPlanned = [](BookingDialogsTest &t) {
        QDialog &dialog = t.openEntry(BookingKind::Planned);
        type(dialog, "EVerwendungszweck", "Neu");
        type(dialog, "EBetrag", "10");
        QTest::mouseClick(Child<QPushButton>(dialog, "BDatenHinzufuegenClose"), Qt::LeftButton);
        return &dialog;
    };
    const auto addMonthly = [](BookingDialogsTest &t) {
        t.enterMonthly("15.06.2011");
        return static_cast<QDialog *>(&t.entry);
    };
    const auto changeFirst = [](BookingDialogsTest &t) {
        QDialog &dialog = t.openEdit(FormState::Planned, 1);
        type(dialog, "EBetrag", "2");
        QTest::mouseClick(Child<QPushButton>(dialog, "BDatenHinzufuegen"), Qt::LeftButton);
        return &dialog;
    };
    const auto transferAtOnce = [](BookingDialogsTest &t) -> QDialog * {
        t.account.state->settings().keepStatementData = false;
        EXPECT_FALSE(t.edit.edit(FormState::Transfer, 1));
        t.account.state->settings().keepStatementData = true;
        return nullptr;
    };
    const Case cases[] = {
        {"entry: full table", static_cast<std::size_t>(core::MaxBookings), 0, addPlanned},
        {"entry: disk full part-way", 2, 2 * core::BookingRecordSize + 100, addPlanned},
        {"entry: disk full at once", 2, 2 * core::BookingRecordSize, addPlanned},
        {"entry: room for the recurring booking, not for its planned one",
         static_cast<std::size_t>(core::MaxBookings - 1), 0, addMonthly},
        {"entry: the file cannot be rewritten for the planned one", 3,
         4 * core::BookingRecordSize + 10, addMonthly},
        {"edit: disk full", 2, 1, changeFirst},
        {"edit: transfer without the dialog, disk full", 2, 1, transferAtOnce},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        account.open(std::vector<BookingRecord>(c.records, other));
        const auto before = account.inTable();
        account.ui.clear();
        account.refreshes = 0;
        QDialog *left = nullptr;
        {
            std::optional<testing::FileSizeLimit> limit;
            if (c.fileLimit != 0)
                limit.emplace(c.fileLimit);
            left = c.store(*this);
        }

        std::vector<ScriptedUiService::Shown> messages;
        for (const auto &shown : account.ui.shown()) {
            if (shown.kind != ScriptedUiService::Kind::Modal)
                messages.push_back(shown);
        }
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].kind, ScriptedUiService::Kind::Failure);
        if (c.fileLimit == 0) {
            EXPECT_EQ(messages[0].text, QString::fromStdString(core::TableFullError().message));
        }
        EXPECT_EQ(account.inTable(), before);
        EXPECT_EQ(account.onDisk(), before);
        EXPECT_EQ(account.refreshes, 0);
        EXPECT_EQ(ReadSuggestions(*account.store, SuggestionList::Purposes), QStringList{})
            << "nothing stored, nothing remembered";
        if (left) {
            EXPECT_TRUE(left->isVisible()) << "what was typed stays for another try";
            left->hide();
        }
    }
}

TEST_F(BookingDialogsTest, ANewRecurringBookingBringsThePlannedBookingsOfTheLastMonth) {
    struct Case {
        const char *what;
        QDate today;
        double nextCheckDay;
        std::vector<const char *> planned;
    };
    const Case cases[] = {
        {"20.06.: the 15th of June plans July",
         QDate(2011, 6, 20),
         Day("21.06.2011"),
         {"15.07.2011"}},
        {"15.06., checked at opening: 15.05. plans June, today plans July",
         QDate(2011, 6, 15),
         Day("16.06.2011"),
         {"15.06.2011", "15.07.2011"}},
        {"15.06., not checked yet: today is left to the next opening",
         QDate(2011, 6, 15),
         Day("15.06.2011"),
         {"15.06.2011"}},
        {"first execution far ahead", QDate(2011, 6, 20), Day("21.06.2011"), {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        account.open({});
        account.clock.setToday(c.today);
        account.state->settings().nextCheckDay = c.nextCheckDay;
        account.refreshes = 0;
        const char *first = c.planned.empty() ? "15.09.2011" : "15.06.2011";
        enterMonthly(first);

        std::vector<BookingRecord> expected{Monthly(first)};
        for (const char *date : c.planned)
            expected.push_back(PlannedFrom(Monthly(), date));
        EXPECT_EQ(account.onDisk(), expected);
        EXPECT_EQ(account.inTable().size(), expected.size());
        EXPECT_EQ(account.refreshes, 1);
        EXPECT_FALSE(entry.isVisible());
    }
}

TEST_F(BookingDialogsTest, AChangedRecurringBookingIsNotPlannedAgainForDaysAlreadyChecked) {
    // Today is 20.06.2011. The check at opening made the planned bookings of the days before
    // "LM"; changing the booking leaves one planned booking per month.
    struct Case {
        const char *what;
        int day;
        double nextCheckDay;
        std::vector<const char *> madeByTheCheck;
        std::vector<const char *> added;
    };
    const Case cases[] = {
        {"monthly on the 15th with its July booking", 15, Day("21.06.2011"), {"15.07.2011"}, {}},
        {"due on the 20th, checked on 20.05. and today",
         20,
         Day("21.06.2011"),
         {"20.06.2011", "20.07.2011"},
         {}},
        {"an account never checked: the last 31 days are planned", 20, 0.0, {}, {"20.06.2011"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        account.state->settings().nextCheckDay = c.nextCheckDay;
        const BookingRecord recurring = testing::Recurring(c.day, "01.01.2011");
        std::vector<BookingRecord> records{recurring};
        for (const char *date : c.madeByTheCheck)
            records.push_back(PlannedFrom(recurring, date));
        account.open(records);

        QDialog &dialog = openEdit(FormState::Recurring, static_cast<int>(records.size()));
        type(dialog, "EVerwendungszweck", "Miete neu");
        QTest::mouseClick(Child<QPushButton>(dialog, "BDatenHinzufuegen"), Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());

        BookingRecord changed = recurring;
        changed.Verwendungszweck.setUtf8("Miete neu");
        std::vector<BookingRecord> expected(records.begin() + 1, records.end());
        for (const char *date : c.added)
            expected.push_back(PlannedFrom(changed, date));
        expected.push_back(changed);
        EXPECT_EQ(account.inTable(), expected);
        EXPECT_EQ(account.inTable(), account.reopened());
    }
}

} // namespace
} // namespace penvaro::entry
