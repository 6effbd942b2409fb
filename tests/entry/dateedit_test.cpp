#include "entry/dateedit.h"

#include "core/date.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

using penvaro::entry::DateEdit;

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
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.keys);
        DateEdit edit;
        edit.setFocus();
        edit.home(false);
        QTest::keyClicks(&edit, QString::fromLatin1(c.keys));
        EXPECT_EQ(QString::fromLatin1(c.typed), edit.typedText());
        EXPECT_EQ(c.dayCount, edit.dayCount());
    }
}

TEST(DateEdit, ShowsADayCount) {
    DateEdit edit;
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
        auto *edit = new DateEdit(&window);
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
