#pragma once

#include <QLineEdit>

#include <optional>

namespace penvaro::platform {
class Clock;
} // namespace penvaro::platform

namespace penvaro::entry {

// The masked date field of the booking dialogs: day and month of one or two digits, a year of
// two or four digits, the dots fixed. Reads and writes day counts; a two-digit year is read
// around this year (see core::ParseTypedDate) and shown with its century once the field is left.
class DateEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit DateEdit(const platform::Clock &clock, QWidget *parent = nullptr);

    // The date as typed; nothing when the text is no possible date (31.02.2011, 00.05.2011).
    std::optional<double> dayCount() const;
    void setDayCount(double dayCount);
    // The text as the user sees it, without the mask's blanks, for error messages; a readable
    // date with a two-digit year is given with its century.
    QString typedText() const;

protected:
    // Whatever brings the focus here (a reset, Enter, Tab, closing a message) selects the date,
    // so that typing replaces it; only a click places the cursor where it points.
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QString shownText() const;

    const platform::Clock &m_clock;
};

} // namespace penvaro::entry
