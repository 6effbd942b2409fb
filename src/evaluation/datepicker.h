#pragma once

#include <QDateEdit>

namespace penvaro::evaluation {

// A date field with a drop-down calendar, written dd.mm.yyyy. It reports a change only when
// the user has finished with it (Enter, leaving the field, the calendar, the arrow keys), so
// that a period is never checked halfway through typing a year.
class DatePicker : public QDateEdit {
    Q_OBJECT

public:
    explicit DatePicker(QWidget *parent = nullptr);

    // Day counts since 30.12.1899; only the whole day counts.
    double dayCount() const;
    // Sets the day without announcing a change.
    void setDayCount(double dayCount);
};

} // namespace penvaro::evaluation
