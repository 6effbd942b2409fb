#include "paymentfixture.h"
#include "widgetlookup.h"

#include "platform/payeememory.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <optional>

namespace penvaro::payments {
namespace {

using Page = PaymentWindow::Page;
using testing::Child;
using testing::ScriptedUiService;
using testing::TextOf;

class TUeberwFChequeTest : public testing::PaymentFixture {
protected:
    TUeberwFChequeTest() { state->settings().chequePlace = "Köln"; }

    static QWidget &Crossed(const PaymentWindow &payment) { return PageOf(payment, "TabSheet2"); }
    static QWidget &Euro(const PaymentWindow &payment) { return PageOf(payment, "TabSheet3"); }
};

TEST_F(TUeberwFChequeTest, EachOpeningStartsNewChequesDatedTodayAtThePlaceOfIssue) {
    onWindow(Page::CrossedCheques, [](PaymentWindow &payment) {
        EXPECT_EQ(payment.crossedChequeOrder(),
                  (core::CrossedCheque{"EUR", "", {}, "Köln", "20.06.2011"}));
        EXPECT_EQ(payment.euroChequeOrder(),
                  (core::EuroCheque{"EUR", "", "", "Köln", "20.06.2011"}));
        EXPECT_EQ(TextOf(Crossed(payment), "Label15"),
                  QStringLiteral("Der Betrag in Buchstaben wird automatisch eingefügt."));
        for (const char *field : {"xEDMEUR", "xEBetrag", "EOrt", "EDatum"})
            testing::Retype(Child<QLineEdit>(Crossed(payment), field), QStringLiteral("x"));
        testing::Retype(Child<QComboBox>(Crossed(payment), "EEmpfaenger1"), QStringLiteral("y"));
        for (const char *field : {"EWaehrungE", "EBetragE", "EEmpfaengerE", "EOrtE", "EDatumE"})
            testing::Retype(Child<QLineEdit>(Euro(payment), field), QStringLiteral("x"));
    });
    // The crossed cheque keeps its currency as typed.
    onWindow(Page::EuroCheques, [](PaymentWindow &payment) {
        EXPECT_EQ(payment.crossedChequeOrder(),
                  (core::CrossedCheque{"X", "", {}, "Köln", "20.06.2011"}));
        EXPECT_EQ(payment.euroChequeOrder(),
                  (core::EuroCheque{"EUR", "", "", "Köln", "20.06.2011"}));
    });
}

TEST_F(TUeberwFChequeTest, TheAmountIsWrittenInCapitalsAndInWordsAsItWillBePrinted) {
    struct Case {
        const char *typed;
        const char *amount;
        const char *words;
    };
    const Case cases[] = {
        {"1250,00", "1250,00", "*eins*zwei*fuenf*null*"},
        {"1.250,00", "1.250,00", "*eins*zwei*fuenf*null*"},
        {"100.000,00", "100.000,00", "*eins*null*null*null*null*null*"},
        {"75 eur", "75 EUR", "Unzulässiger Betrag: 75 EUR (z. B. 1.234,56)"},
        {"1.23,45", "1.23,45", "Unzulässiger Betrag: 1.23,45 (z. B. 1.234,56)"},
        {"", "", "*"},
    };
    onWindow(Page::CrossedCheques, [&](PaymentWindow &payment) {
        for (const Case &c : cases) {
            SCOPED_TRACE(c.typed);
            testing::Retype(Child<QLineEdit>(Crossed(payment), "xEBetrag"),
                            QString::fromUtf8(c.typed));
            testing::Retype(Child<QLineEdit>(Euro(payment), "EBetragE"),
                            QString::fromUtf8(c.typed));
            EXPECT_EQ(payment.crossedChequeOrder().Betrag, c.amount);
            EXPECT_EQ(payment.euroChequeOrder().Betrag, c.amount);
            EXPECT_EQ(TextOf(Crossed(payment), "Label15"), QString::fromUtf8(c.words));
            EXPECT_EQ(TextOf(Euro(payment), "Label21"), QString::fromUtf8(c.words));
        }
    });
}

TEST_F(TUeberwFChequeTest, APayeeChosenOrLeftRecallsItsOtherLines) {
    const QString verein = platform::PayeeMemory::key() + QStringLiteral("\\Verein");
    setValue(verein, QStringLiteral("Empfaenger2"), QStringLiteral("z. Hd. Kasse"));
    setValue(verein, QStringLiteral("Empfaenger3"), QStringLiteral("Hauptstr. 1"));
    onWindow(Page::CrossedCheques, [this](PaymentWindow &payment) {
        QWidget &page = Crossed(payment);
        EXPECT_EQ(testing::ItemsOf(page, "EEmpfaenger1"), QStringList{QStringLiteral("Verein")});
        testing::Retype(Child<QComboBox>(page, "EEmpfaenger1"), QStringLiteral("Verein"));
        QTest::keyClick(Child(page, "EEmpfaenger1"), Qt::Key_Return);
        EXPECT_EQ(testing::FocusName(), QStringLiteral("EEmpfaenger2"));
        EXPECT_EQ(payment.crossedChequeOrder().Empfaenger,
                  (std::array<std::string, 4>{"Verein", "z. Hd. Kasse", "Hauptstr. 1", ""}));

        // A payee not remembered leaves the lines as they are; typed lines are replaced only
        // when the user agrees.
        testing::Retype(Child<QComboBox>(page, "EEmpfaenger1"), QStringLiteral("Neu"));
        Child(page, "EOrt")->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(payment.crossedChequeOrder().Empfaenger,
                  (std::array<std::string, 4>{"Neu", "z. Hd. Kasse", "Hauptstr. 1", ""}));
        testing::Retype(Child<QLineEdit>(page, "EEmpfaenger2"), QStringLiteral("Abt. Tennis"));
        testing::Retype(Child<QComboBox>(page, "EEmpfaenger1"), QStringLiteral("Verein"));
        Child(page, "EOrt")->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(payment.crossedChequeOrder().Empfaenger,
                  (std::array<std::string, 4>{"Verein", "Abt. Tennis", "Hauptstr. 1", ""}));
        EXPECT_EQ(ScriptedUiService::Kind::Question, ui.shown().back().kind);
    });
}

TEST_F(TUeberwFChequeTest, SchliessenOnAChequePageClosesTheWindow) {
    for (const char *button : {"Button8", "Button9"}) {
        SCOPED_TRACE(button);
        onWindow(Page::CrossedCheques, [&](PaymentWindow &payment) {
            QTest::mouseClick(Child<QPushButton>(payment, button), Qt::LeftButton);
            EXPECT_FALSE(payment.isVisible());
        });
    }
}

TEST_F(TUeberwFChequeTest, ClosingAsksBeforeATypedFormIsDroppedUnlessItWasPrinted) {
    struct Case {
        const char *what;
        const char *field; // typed into; nullptr: nothing typed
        bool print;
        std::optional<platform::Answer> answer; // nothing: no question
        bool closed;
    };
    const Case cases[] = {
        {"untouched", nullptr, false, {}, true},
        {"typed, kept", "EEmpfaenger2", false, platform::Answer::No, false},
        {"typed in capitals, kept", "xEBetrag", false, platform::Answer::No, false},
        {"typed, dropped", "EEmpfaenger2", false, platform::Answer::Yes, true},
        {"typed and printed", "xEBetrag", true, {}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        onWindow(Page::CrossedCheques, [&](PaymentWindow &payment) {
            if (c.field)
                QTest::keyClicks(Child<QLineEdit>(Crossed(payment), c.field), QStringLiteral("12"));
            if (c.print)
                QTest::mouseClick(Child<QPushButton>(Crossed(payment), "Button10"), Qt::LeftButton);
            ui.clear();
            if (c.answer)
                ui.setNextAnswer(*c.answer);
            QTest::keyClick(&payment, Qt::Key_Escape);
            if (c.answer) {
                EXPECT_EQ(ui.shown(), (std::vector<testing::ScriptedUiService::Shown>{
                                          {testing::ScriptedUiService::Kind::Question,
                                           QStringLiteral("Die Eingaben verwerfen?")}}));
                EXPECT_EQ(ui.lastDefaultAnswer(), platform::Answer::No);
            } else {
                EXPECT_TRUE(ui.shown().empty());
            }
            EXPECT_EQ(payment.isVisible(), !c.closed);
        });
    }
}

} // namespace
} // namespace penvaro::payments
