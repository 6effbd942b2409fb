#include "dateedit.h"

#include "core/date.h"
#include "platform/clock.h"

#include <QFocusEvent>

namespace penvaro::entry {

DateEdit::DateEdit(const platform::Clock &clock, QWidget *parent)
    : QLineEdit(parent)
    , m_clock(clock) {
    // '0' is an optional digit, '9' a required one.
    setInputMask(QStringLiteral("09.09.9900;_"));
}

QString DateEdit::shownText() const {
    QString text = displayText();
    text.remove(QLatin1Char('_'));
    text.remove(QLatin1Char(' '));
    return text;
}

QString DateEdit::typedText() const {
    const QString shown = shownText();
    if (const auto day = dayCount(); day && shown.size() - shown.lastIndexOf(u'.') == 3)
        return QString::fromStdString(core::FormatDate(*day));
    return shown;
}

std::optional<double> DateEdit::dayCount() const {
    return core::ParseTypedDate(shownText().toStdString(), m_clock.today().year());
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

void DateEdit::focusOutEvent(QFocusEvent *event) {
    QLineEdit::focusOutEvent(event);
    // The user sees which century a two-digit year was read in; the field stays changed.
    const QString full = typedText();
    if (full != shownText()) {
        const bool modified = isModified();
        setText(full);
        setModified(modified);
    }
}

} // namespace penvaro::entry
