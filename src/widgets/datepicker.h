#pragma once

#include <QDate>
#include <QLineEdit>

#include <optional>

class QCalendarWidget;

namespace penvaro::platform {
class Clock;
} // namespace penvaro::platform

namespace penvaro::widgets {

// A date field for periods, written dd.mm.yyyy (a two-digit year is read around this year),
// with a calendar as a help beside it: what is typed is the date, the calendar only writes
// one. A change is announced when the user has finished (Enter, leaving the field, a day
// chosen in the calendar), so that a period is never checked halfway through typing a year;
// a text that is no date is replaced by the date before it.
class DatePicker : public QLineEdit {
    Q_OBJECT

public:
    explicit DatePicker(const platform::Clock &clock, QWidget *parent = nullptr);

    // The typed date as soon as the text is one, else the date last accepted.
    QDate date() const;
    // Shows the date and announces it when it differs.
    void setDate(QDate date);
    // Day counts since 30.12.1899; only the whole day counts.
    double dayCount() const;
    // Sets the day without announcing a change.
    void setDayCount(double dayCount);
    void openCalendar();

    // Room for the whole date and the calendar symbol at any font and scale.
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void dateChanged(QDate date);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    std::optional<QDate> typedDate() const;
    void display(QDate date);
    void finishTyping();

    const platform::Clock &m_clock;
    QDate m_date;
    QCalendarWidget *m_calendar = nullptr;
};

} // namespace penvaro::widgets
