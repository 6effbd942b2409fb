#pragma once

#include <QLineEdit>

#include <optional>

namespace penvaro::entry {

// The masked date field of the booking dialogs: day and month of one or two digits, a
// four-digit year, the dots fixed. Reads and writes day counts.
class DateEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit DateEdit(QWidget *parent = nullptr);

    // The date as typed; nothing when the text is no possible date (31.02.2011, 00.05.2011).
    std::optional<double> dayCount() const;
    void setDayCount(double dayCount);
    // The text as the user sees it, without the mask's blanks, for error messages.
    QString typedText() const;

protected:
    // Whatever brings the focus here (a reset, Enter, Tab, closing a message) selects the date,
    // so that typing replaces it; only a click places the cursor where it points.
    void focusInEvent(QFocusEvent *event) override;
};

} // namespace penvaro::entry
