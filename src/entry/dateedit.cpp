#include "dateedit.h"

#include "core/date.h"

#include <QFocusEvent>

namespace penvaro::entry {

DateEdit::DateEdit(QWidget *parent)
    : QLineEdit(parent) {
    // '0' is an optional digit, '9' a required one.
    setInputMask(QStringLiteral("09.09.9999;_"));
}

QString DateEdit::typedText() const {
    QString text = displayText();
    text.remove(QLatin1Char('_'));
    text.remove(QLatin1Char(' '));
    return text;
}

std::optional<double> DateEdit::dayCount() const {
    return core::ParseDate(typedText().toStdString());
}

void DateEdit::setDayCount(double dayCount) {
    setText(QString::fromStdString(core::FormatDate(dayCount)));
    // A form reset that keeps the focus here leaves the cursor behind the mask otherwise.
    if (hasFocus())
        selectAll();
}

void DateEdit::focusInEvent(QFocusEvent *event) {
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason && event->reason() != Qt::PopupFocusReason)
        selectAll();
}

} // namespace penvaro::entry
