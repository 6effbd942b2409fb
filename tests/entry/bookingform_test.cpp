// The booking form as both dialogs show it: what the user types reaches the right field, the
// focus stays where a message sent it, and the sign lists read plainly.
#include "accountfixture.h"
#include "support/records.h"
#include "widgetlookup.h"

#include "entry/bookingeditdialog.h"
#include "entry/bookingentrydialog.h"
#include "entry/dateedit.h"
#include "entry/recurringbookingsdialog.h"
#include "entry/signlist.h"
#include "entry/startvaluedialog.h"
#include "entry/suggestionlistsdialog.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace penvaro::entry {
namespace {

using core::BookingKind;
using core::BookingRecord;
using testing::Child;
using testing::Day;
using testing::ErrorShown;
using testing::FocusName;
using testing::Retype;

class BookingFormTest : public ::testing::Test {
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
    static void press(QDialog &dialog, const char *button) {
        auto *pressed = Child<QPushButton>(dialog, button);
        pressed->setFocus(Qt::TabFocusReason);
        QTest::keyClick(pressed, Qt::Key_Return);
    }
    // Types into whatever has the focus, as the user does without clicking first.
    static void typeHere(const char *keys) {
        QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(keys));
    }
    static QString dateIn(QDialog &dialog, const char *name) {
        return Child<DateEdit>(dialog, name)->typedText();
    }

    testing::Account account;
    BookingEntryDialog entry{*account.state};
    BookingEditDialog edit{*account.state};
};

TEST_F(BookingFormTest, DigitsTypedIntoADateFieldReplaceItsDateAfterAResetAndAfterEnter) {
    account.state->settings().keepStatementData = false;
    QDialog &dialog = openEntry(BookingKind::Planned);
    ASSERT_EQ(FocusName(), QStringLiteral("EWertdatum"));
    typeHere("28122026");
    EXPECT_EQ(dateIn(dialog, "EWertdatum"), QStringLiteral("28.12.2026"));
    Retype(Child(dialog, "EBetrag"), QStringLiteral("1"));
    QTest::mouseClick(Child<QPushButton>(dialog, "BDatenHinzufuegenNotClose"), Qt::LeftButton);

    ASSERT_EQ(FocusName(), QStringLiteral("EWertdatum")) << "the form was reset";
    typeHere("05122026");
    EXPECT_EQ(dateIn(dialog, "EWertdatum"), QStringLiteral("05.12.2026"));
    Retype(Child(dialog, "EBetrag"), QStringLiteral("2"));
    QTest::mouseClick(Child<QPushButton>(dialog, "BDatenHinzufuegenClose"), Qt::LeftButton);
    ASSERT_EQ(account.onDisk().size(), 2u);
    EXPECT_EQ(account.onDisk()[0].Wertdatum, Day("28.12.2026"));
    EXPECT_EQ(account.onDisk()[1].Wertdatum, Day("05.12.2026"));

    account.state->settings().keepStatementData = true;
    account.open({testing::Completed(2011, 3, "02.05.2011")});
    const std::function<QDialog &()> opens[] = {
        [this]() -> QDialog & { return openEntry(BookingKind::Completed); },
        [this]() -> QDialog & { return openEdit(FormState::Completed, 1); },
    };
    for (const auto &open : opens) {
        QDialog *shown = &open();
        SCOPED_TRACE(shown->objectName().toStdString());
        ASSERT_EQ(FocusName(), QStringLiteral("EAuszugsnr"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        ASSERT_EQ(FocusName(), QStringLiteral("EAuszugsdatum"));
        typeHere("01062011");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        ASSERT_EQ(FocusName(), QStringLiteral("EWertdatum"));
        typeHere("31052011");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(dateIn(*shown, "EAuszugsdatum"), QStringLiteral("01.06.2011"));
        EXPECT_EQ(dateIn(*shown, "EWertdatum"), QStringLiteral("31.05.2011"));
        shown->hide();
    }
}

TEST_F(BookingFormTest, AfterAMessageTheFocusStaysOnTheFailingFieldWhateverKeyClosedIt) {
    struct Case {
        const char *what;
        std::function<QDialog &(BookingFormTest &)> open;
        const char *apply;
        const char *field;
        const char *typed;
        std::int32_t code;
        const char *message;
    };
    const Case cases[] = {
        {"entry: value date",
         [](BookingFormTest &t) -> QDialog & { return t.openEntry(BookingKind::Planned); },
         "BDatenHinzufuegenNotClose", "EWertdatum", "31022026", 169,
         "Unzulässiges Wertdatum: 31.02.2026"},
        {"entry: amount",
         [](BookingFormTest &t) -> QDialog & { return t.openEntry(BookingKind::Planned); },
         "BDatenHinzufuegenNotClose", "EBetrag", "12a", 164,
         "Unzulässiger Betrag: 12a (z. B. 1.234,56)"},
        {"edit: value date",
         [](BookingFormTest &t) -> QDialog & { return t.openEdit(FormState::Planned, 1); },
         "BDatenHinzufuegen", "EWertdatum", "31022026", 108, "Unzulässiges Wertdatum: 31.02.2026"},
        {"edit: amount",
         [](BookingFormTest &t) -> QDialog & { return t.openEdit(FormState::Planned, 1); },
         "BDatenHinzufuegen", "EBetrag", "12a", 103, "Unzulässiger Betrag: 12a (z. B. 1.234,56)"},
    };
    account.state->settings().keepStatementData = false;
    for (const Case &c : cases) {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape}) {
            SCOPED_TRACE(std::string(c.what) + ", key " + std::to_string(key));
            account.open({testing::Planned("01.07.2011")});
            QDialog &dialog = c.open(*this);
            Retype(Child(dialog, "EBetrag"), QStringLiteral("1"));
            Retype(Child(dialog, c.field), QString::fromLatin1(c.typed));
            account.ui.clear();
            press(dialog, c.apply);
            ASSERT_EQ(account.ui.shown().size(), 1u);
            EXPECT_EQ(account.ui.shown().back(), ErrorShown(c.code, QString::fromUtf8(c.message)));
            ASSERT_EQ(FocusName(), QString::fromLatin1(c.field));

            // The message window closed on the key's press; its release reaches the dialog.
            QTest::keyRelease(QApplication::focusWidget(), key);
            EXPECT_EQ(FocusName(), QString::fromLatin1(c.field));
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_EQ(account.onDisk().size(), 1u);
            dialog.hide();
        }
    }
}

TEST_F(BookingFormTest, AFailedDateIsSelectedSoThatTheCorrectionReplacesIt) {
    account.state->settings().keepStatementData = false;
    QDialog &dialog = openEntry(BookingKind::Planned);
    Retype(Child(dialog, "EBetrag"), QStringLiteral("1"));
    Retype(Child(dialog, "EWertdatum"), QStringLiteral("31022026"));
    press(dialog, "BDatenHinzufuegenClose");
    ASSERT_EQ(FocusName(), QStringLiteral("EWertdatum"));
    typeHere("28022026");
    EXPECT_EQ(dateIn(dialog, "EWertdatum"), QStringLiteral("28.02.2026"));
}

TEST_F(BookingFormTest, SignListsShowBothLinesTheirSelectionAndTheirLabel) {
    account.open({testing::Planned("01.07.2011")});
    StartValueDialog startValue(*account.state);
    const std::pair<const char *, std::function<QDialog &()>> dialogs[] = {
        {"entry", [this]() -> QDialog & { return openEntry(BookingKind::Planned); }},
        {"edit", [this]() -> QDialog & { return openEdit(FormState::Planned, 1); }},
        {"start value",
         [&]() -> QDialog & {
             showNextModal();
             startValue.showModal();
             return startValue;
         }},
    };
    for (const auto &[what, open] : dialogs) {
        SCOPED_TRACE(what);
        QDialog &dialog = open();
        auto *list = Child<SignList>(dialog, "ESollHaben");
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->selectedItems().size(), 1);
        const QRect inside = list->viewport()->rect();
        for (int row = 0; row < 2; ++row) {
            const QRect line = list->visualItemRect(list->item(row));
            EXPECT_TRUE(inside.contains(line)) << row;
            EXPECT_GE(line.height(), list->fontMetrics().height()) << row;
        }
        EXPECT_GE(inside.width(), 3 * list->fontMetrics().horizontalAdvance(QLatin1Char('+')));
        const QPalette colours = list->palette();
        EXPECT_EQ(colours.color(QPalette::Inactive, QPalette::Highlight),
                  colours.color(QPalette::Active, QPalette::Highlight))
            << "the selection shows as plainly while another field has the focus";

        list->clearFocus();
        const QImage unfocused = list->grab().toImage();
        list->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(list->hasFocus());
        EXPECT_NE(list->grab().toImage(), unfocused) << "the list shows when it has the focus";

        EXPECT_EQ(list->accessibleName(), QStringLiteral("Soll/Haben (-/+)"));
        int labels = 0;
        for (const QLabel *label : dialog.findChildren<QLabel *>())
            labels += label->buddy() == list && label->text() == QStringLiteral("Soll/Haben (-/+)");
        EXPECT_EQ(labels, 1);
        dialog.hide();
    }
}

TEST_F(BookingFormTest, AnAmountTypedBelowZeroIsRefusedAndTheSignListDecides) {
    account.state->settings().keepStatementData = false;
    const BookingRecord planned = testing::Planned("01.07.2011", -500000);
    struct Case {
        const char *what;
        std::function<QDialog &(BookingFormTest &)> open;
        const char *apply;
        std::int32_t code;
    };
    const Case cases[] = {
        {"entry", [](BookingFormTest &t) -> QDialog & { return t.openEntry(BookingKind::Planned); },
         "BDatenHinzufuegenClose", 164},
        {"edit", [](BookingFormTest &t) -> QDialog & { return t.openEdit(FormState::Planned, 1); },
         "BDatenHinzufuegen", 103},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        account.open({planned});
        account.ui.clear();
        QDialog &dialog = c.open(*this);
        Child<SignList>(dialog, "ESollHaben")->setPlus(false);
        Retype(Child(dialog, "EBetrag"), QStringLiteral("-50"));
        press(dialog, c.apply);
        EXPECT_EQ(account.ui.shown().back(),
                  ErrorShown(c.code, QStringLiteral("Unzulässiger Betrag: -50 (ohne Vorzeichen, "
                                                    "z. B. 1.234,56)")));
        EXPECT_EQ(FocusName(), QStringLiteral("EBetrag"));
        EXPECT_EQ(Child<QLineEdit>(dialog, "EBetrag")->selectedText(), QStringLiteral("-50"))
            << "the refused amount is selected for retyping";
        EXPECT_EQ(account.onDisk(), std::vector<BookingRecord>{planned});

        Retype(Child(dialog, "EBetrag"), QStringLiteral("50"));
        press(dialog, c.apply);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(account.onDisk().back().SollHaben, u'-');
        EXPECT_EQ(account.onDisk().back().Betrag, 500000);
    }
}

TEST_F(BookingFormTest, AStoredNegativeAmountStillShowsWithItsSign) {
    BookingRecord stored = testing::Planned("01.07.2011");
    stored.Betrag = -500000;
    account.open({stored});
    QDialog &dialog = openEdit(FormState::Planned, 1);
    EXPECT_EQ(Child<QLineEdit>(dialog, "EBetrag")->text(), QStringLiteral("-50,00"));
}

TEST_F(BookingFormTest, FixedDialogsCannotBeMinimisedOrMaximised) {
    StartValueDialog startValue(*account.state);
    SuggestionListsDialog suggestions(*account.store, account.ui);
    RecurringBookingsDialog recurring(*account.state, edit);
    for (const QDialog *dialog : std::initializer_list<const QDialog *>{&entry, &edit, &startValue,
                                                                        &suggestions, &recurring}) {
        SCOPED_TRACE(dialog->objectName().toStdString());
        const Qt::WindowFlags flags = dialog->windowFlags();
        EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
        EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    }
}

} // namespace
} // namespace penvaro::entry
