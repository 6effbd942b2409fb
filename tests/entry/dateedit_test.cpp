#include "entry/dateedit.h"

#include "core/date.h"
#include "platform/clock.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

using penvaro::entry::DateEdit;
using penvaro::platform::FixedClock;

namespace {
const FixedClock In2026(QDate(2026, 12, 11));
} // namespace

TEST(DateEdit, ReadsWhatIsTypedThroughTheMask) {
    struct Case {
        const char *keys;
        const char *typed;
        std::optional<double> dayCount;
    };
    const Case cases[] = {
        {"01052011", "01.05.2011", 40664.0}, {"1.5.2011", "1.5.2011", 40664.0},
        {"31022011", "31.02.2011", {}},      {"00052011", "00.05.2011", {}},
        {"0105201", "01.05.201", {}},        {"", "..", {}},
        {"111226", "11.12.2026", 46367.0},   {"1.5.47", "01.05.1947", 17288.0},
        {"1.5.46", "01.05.2046", 53448.0},   {"310226", "31.02.26", {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.keys);
        DateEdit edit(In2026);
        edit.setFocus();
        edit.home(false);
        QTest::keyClicks(&edit, QString::fromLatin1(c.keys));
        EXPECT_EQ(QString::fromLatin1(c.typed), edit.typedText());
        EXPECT_EQ(c.dayCount, edit.dayCount());
    }
}

TEST(DateEdit, ShowsADayCount) {
    DateEdit edit(In2026);
    edit.setDayCount(40664.0);
    EXPECT_EQ(QStringLiteral("01.05.2011"), edit.typedText());
    EXPECT_EQ(40664.0, edit.dayCount());
}

TEST(DateEdit, TypingReplacesTheDateHoweverTheFocusCame) {
    for (const Qt::FocusReason reason :
         {Qt::TabFocusReason, Qt::BacktabFocusReason, Qt::OtherFocusReason}) {
        SCOPED_TRACE(reason);
        QWidget window;
        auto *before = new QLineEdit(&window);
        auto *edit = new DateEdit(In2026, &window);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        before->setFocus();
        edit->setDayCount(40664.0);
        edit->setFocus(reason);
        QTest::keyClicks(edit, QStringLiteral("28122026"));
        EXPECT_EQ(QStringLiteral("28.12.2026"), edit->typedText());
    }
}
