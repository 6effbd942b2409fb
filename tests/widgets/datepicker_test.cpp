#include "widgets/datepicker.h"

#include "platform/clock.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace penvaro::widgets {
namespace {

// The search and interest windows take the typed date as it stands; the calendar only helps.
TEST(DatePicker, ATypedDateIsTheDateAndAnUnreadableOneGivesWayToTheOneBefore) {
    struct Case {
        const char *keys;
        QDate date;    // after typing, before leaving
        QString shown; // after leaving
        bool announced;
    };
    const Case cases[] = {
        {"31122026", QDate(2026, 12, 31), QStringLiteral("31.12.2026"), true},
        {"3112", QDate(2026, 11, 30), QStringLiteral("30.11.2026"), false},
        {"311226", QDate(2026, 12, 31), QStringLiteral("31.12.2026"), true},
        {"010147", QDate(1947, 1, 1), QStringLiteral("01.01.1947"), true},
        {"31022026", QDate(2026, 11, 30), QStringLiteral("30.11.2026"), false},
        {"1.5.11", QDate(2011, 5, 1), QStringLiteral("01.05.2011"), true},
    };
    const platform::FixedClock clock(QDate(2026, 12, 11));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.keys);
        QWidget window;
        auto *picker = new DatePicker(clock, &window);
        auto *next = new QLineEdit(&window);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        picker->setDate(QDate(2026, 11, 30));
        QSignalSpy changes(picker, &DatePicker::dateChanged);
        picker->setFocus(Qt::TabFocusReason);
        picker->selectAll();
        QTest::keyClicks(picker, QString::fromLatin1(c.keys));
        EXPECT_EQ(picker->date(), c.date) << "typed counts before the field is left";
        next->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(picker->text(), c.shown);
        EXPECT_EQ(picker->date(), c.date);
        EXPECT_EQ(changes.count(), c.announced ? 1 : 0);
    }
}

TEST(DatePicker, NeverNarrowerThanTheWholeDateBesideTheCalendarSymbol) {
    const platform::FixedClock clock(QDate(2026, 12, 11));
    DatePicker picker(clock);
    const int date = picker.fontMetrics().horizontalAdvance(QStringLiteral("31.12.2026"));
    EXPECT_GT(picker.minimumSizeHint().width(), date + 16);
}

TEST(DatePicker, TheCalendarWritesTheDayChosenInIt) {
    const platform::FixedClock clock(QDate(2026, 12, 11));
    DatePicker picker(clock);
    picker.show();
    picker.setDayCount(46367.0);
    EXPECT_EQ(picker.date(), QDate(2026, 12, 11));
    QSignalSpy changes(&picker, &DatePicker::dateChanged);
    picker.openCalendar();
    auto *calendar = picker.findChild<QCalendarWidget *>(QStringLiteral("Kalenderblatt"));
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendar->selectedDate(), QDate(2026, 12, 11));
    Q_EMIT calendar->clicked(QDate(2026, 12, 24));
    EXPECT_FALSE(calendar->isVisible());
    EXPECT_EQ(picker.text(), QStringLiteral("24.12.2026"));
    EXPECT_EQ(changes.count(), 1);
}

} // namespace
} // namespace penvaro::widgets
