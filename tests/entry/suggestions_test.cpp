#include "accountfixture.h"
#include "widgetlookup.h"

#include "entry/suggestionlistsdialog.h"
#include "entry/suggestions.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace penvaro::entry {
namespace {

using testing::Account;
using testing::Child;
using testing::ItemsOf;

QStringList Entries(platform::RegistryStore &store, SuggestionList list) {
    return ReadSuggestions(store, list).value_or(QStringList{QStringLiteral("<nicht lesbar>")});
}

TEST(Suggestions, EachListKeepsTheTextsTypedIntoItsFieldAsAKeyNameSet) {
    struct Case {
        const char *what;
        QStringList typed;
        QStringList kept;
    };
    const QString longest(platform::RegistryStore::MaxKeyNameLength, u'x');
    const Case cases[] = {
        {"the first spelling stays",
         {QStringLiteral("Miete"), QStringLiteral("MIETE")},
         {QStringLiteral("Miete")}},
        {"backslashes are kept as typed",
         {QStringLiteral("Rechnung 12\\2026"), QStringLiteral("ende\\"),
          QStringLiteral("\\\\doppelt"), QStringLiteral("Part\\ei"), QStringLiteral("Part")},
         {QStringLiteral("ende\\"), QStringLiteral("Part"), QStringLiteral("Part\\ei"),
          QStringLiteral("Rechnung 12\\2026"), QStringLiteral("\\\\doppelt")}},
        {"empty adds nothing", {QString()}, {}},
        {"the longest key name", {longest}, {longest}},
        {"one character more is not kept", {longest + u'x'}, {}},
        {"texts are kept as typed, not cut to the record",
         {QString(60, u'V'), QStringLiteral(" Zinsen ")},
         {QStringLiteral(" Zinsen "), QString(60, u'V')}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Account account;
        for (const QString &text : c.typed)
            RememberSuggestions(*account.store, text, text, text);
        for (const SuggestionList list :
             {SuggestionList::Purposes, SuggestionList::Parties, SuggestionList::BookingTypes})
            EXPECT_EQ(Entries(*account.store, list), c.kept);
    }
}

TEST(Suggestions, ListsWrittenBeforeReadAsTheyAreAndForgettingTakesOnlyTheEntry) {
    Account account;
    const QString key = SuggestionKey(SuggestionList::Purposes);
    // What earlier versions left: a text split at its backslash into two levels.
    ASSERT_TRUE(account.store->createKey(key + QStringLiteral("\\Miete\\Mai")));
    EXPECT_EQ(Entries(*account.store, SuggestionList::Purposes),
              QStringList{QStringLiteral("Miete")});

    RememberSuggestions(*account.store, QStringLiteral("Miete\\Mai"), QString(), QString());
    EXPECT_EQ(Entries(*account.store, SuggestionList::Purposes),
              (QStringList{QStringLiteral("Miete"), QStringLiteral("Miete\\Mai")}));
    ForgetSuggestion(*account.store, SuggestionList::Purposes, QStringLiteral("Miete\\Mai"));
    EXPECT_EQ(Entries(*account.store, SuggestionList::Purposes),
              QStringList{QStringLiteral("Miete")});
    ForgetSuggestion(*account.store, SuggestionList::Purposes, QStringLiteral("Miete"));
    EXPECT_EQ(Entries(*account.store, SuggestionList::Purposes), QStringList{});
}

TEST(Suggestions, TheThreeTextsGoToTheirOwnListsSharedByEveryAccountFile) {
    Account account;
    RememberSuggestions(*account.store, QStringLiteral("Miete Mai"), QStringLiteral("Stadtwerke"),
                        QStringLiteral("ÜB"));
    account.state->settings().accountFile = "/anderes/konto.p11";
    RememberSuggestions(*account.store, QStringLiteral("Abschlag"), QString(), QString());

    EXPECT_EQ(SuggestionKey(SuggestionList::Purposes),
              QStringLiteral("SOFTWARE\\Tarvel SoftLabs\\Penvaro98\\VAEB\\Verw"));
    EXPECT_EQ(Entries(*account.store, SuggestionList::Purposes),
              (QStringList{QStringLiteral("Abschlag"), QStringLiteral("Miete Mai")}));
    EXPECT_EQ(Entries(*account.store, SuggestionList::Parties),
              QStringList{QStringLiteral("Stadtwerke")});
    EXPECT_EQ(Entries(*account.store, SuggestionList::BookingTypes),
              QStringList{QStringLiteral("ÜB")});
}

struct Boxes {
    Boxes() {
        for (QComboBox *box : {&purposes, &bookingTypes, &parties}) {
            box->setEditable(true);
            box->addItems({QStringLiteral("BAR"), QStringLiteral("EC")});
            box->setEditText(QStringLiteral("getippt"));
        }
    }
    SuggestionBoxes all() { return {&purposes, &bookingTypes, &parties}; }

    QComboBox purposes;
    QComboBox bookingTypes;
    QComboBox parties;
};

TEST(Suggestions, LoadingReplacesItemsAndTypedTextWithTheListInAlphabeticalOrder) {
    Account account;
    for (const char *purpose : {"zinsen", "Abschlag", "Miete"})
        RememberSuggestions(*account.store, QString::fromLatin1(purpose), QString(), QString());
    Boxes boxes;

    LoadSuggestions(*account.store, boxes.all());

    EXPECT_EQ(ItemsOf(boxes.purposes),
              (QStringList{QStringLiteral("Abschlag"), QStringLiteral("Miete"),
                           QStringLiteral("zinsen")}));
    EXPECT_EQ(boxes.purposes.currentText(), QString());
    EXPECT_EQ(boxes.bookingTypes.count(), 0) << "an empty list leaves an empty box";
    EXPECT_EQ(boxes.parties.currentText(), QString());
}

TEST(Suggestions, ABoxKeepsItsItemsWhenTheStoreCannotBeOpened) {
    Account account(Account::Store::Unusable);
    Boxes boxes;

    LoadSuggestions(*account.store, boxes.all());
    RememberSuggestions(*account.store, QStringLiteral("Miete"), QString(), QString());

    EXPECT_EQ(ItemsOf(boxes.bookingTypes),
              (QStringList{QStringLiteral("BAR"), QStringLiteral("EC")}));
    EXPECT_TRUE(account.ui.shown().empty()) << "store failures are not reported here";
}

class TVAEBFTest : public ::testing::Test {
protected:
    void SetUp() override {
        RememberSuggestions(*account.store, QStringLiteral("Miete"), QStringLiteral("Vermieter"),
                            QStringLiteral("ÜB"));
        RememberSuggestions(*account.store, QStringLiteral("Strom"), QStringLiteral("Stadtwerke"),
                            QStringLiteral("EC"));
        testing::ShowActive(window);
    }

    QListWidget *list(const char *name) { return Child<QListWidget>(window, name); }
    QStringList shown(const char *name) {
        QStringList texts;
        for (int i = 0; i < list(name)->count(); ++i)
            texts.append(list(name)->item(i)->text());
        return texts;
    }

    Account account;
    SuggestionListsDialog window{*account.store, account.ui};
};

TEST_F(TVAEBFTest, ShowsTheThreeListsUnderTheirTitles) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Ordnung schaffen"));
    EXPECT_EQ(Child<QLabel>(window, "Label1")->text(),
              QStringLiteral("Bitte markieren Sie die zu löschenden Daten und drücken dann "
                             "jeweils auf löschen!"));
    const std::pair<const char *, QString> titles[] = {
        {"LBVerw", QStringLiteral("Verwendungszwecke")},
        {"LBAE", QStringLiteral("Absender/Empfänger")},
        {"LBBu", QStringLiteral("Buchungsart")},
    };
    for (const auto &[name, title] : titles) {
        bool labelled = false;
        for (const QLabel *label : window.findChildren<QLabel *>())
            labelled |= label->buddy() == list(name) && label->text() == title;
        EXPECT_TRUE(labelled) << name;
    }
    for (const char *button : {"Button1", "Button2", "Button3"})
        EXPECT_EQ(Child<QPushButton>(window, button)->text(), QStringLiteral("Löschen"));
    EXPECT_EQ(shown("LBVerw"), (QStringList{QStringLiteral("Miete"), QStringLiteral("Strom")}));
    EXPECT_EQ(shown("LBAE"),
              (QStringList{QStringLiteral("Stadtwerke"), QStringLiteral("Vermieter")}));
    EXPECT_EQ(shown("LBBu"), (QStringList{QStringLiteral("EC"), QStringLiteral("ÜB")}));
}

TEST_F(TVAEBFTest, DeletingRemovesTheSelectedEntryOfItsOwnListOnly) {
    list("LBAE")->item(1)->setSelected(true);
    list("LBVerw")->item(0)->setSelected(true);

    QTest::mouseClick(Child<QPushButton>(window, "Button2"), Qt::LeftButton);

    EXPECT_EQ(shown("LBAE"), QStringList{QStringLiteral("Stadtwerke")});
    EXPECT_EQ(Entries(*account.store, SuggestionList::Parties),
              QStringList{QStringLiteral("Stadtwerke")});
    EXPECT_EQ(shown("LBVerw").size(), 2);
    EXPECT_TRUE(list("LBVerw")->item(0)->isSelected()) << "the other lists are not refilled";

    Boxes boxes;
    LoadSuggestions(*account.store, boxes.all());
    EXPECT_EQ(ItemsOf(boxes.parties), QStringList{QStringLiteral("Stadtwerke")})
        << "the booking dialogs no longer offer it";
}

TEST_F(TVAEBFTest, WithNothingSelectedNothingIsDeletedAndEnterDeletesNothingEither) {
    list("LBBu")->setFocus();
    list("LBBu")->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    QTest::keyClick(list("LBBu"), Qt::Key_Return);
    QTest::mouseClick(Child<QPushButton>(window, "Button3"), Qt::LeftButton);

    EXPECT_EQ(Entries(*account.store, SuggestionList::BookingTypes),
              (QStringList{QStringLiteral("EC"), QStringLiteral("ÜB")}));
    EXPECT_TRUE(window.isVisible());
}

TEST_F(TVAEBFTest, EscapeClosesAndTheNextShowingReadsTheListsAgain) {
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());

    RememberSuggestions(*account.store, QStringLiteral("Abschlag"), QString(), QString());
    testing::ShowActive(window);
    EXPECT_EQ(shown("LBVerw").first(), QStringLiteral("Abschlag"));
}

} // namespace
} // namespace penvaro::entry
