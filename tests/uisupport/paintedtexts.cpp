#include "paintedtexts.h"

#include <QAbstractButton>
#include <QEvent>

namespace penvaro::testing {

PaintedTexts::PaintedTexts(QAbstractButton &button)
    : m_button(button) {
    button.installEventFilter(this);
}

bool PaintedTexts::eventFilter(QObject *watched, QEvent *event) {
    if (watched == &m_button && event->type() == QEvent::Paint)
        m_painted.push_back({m_button.text(), m_button.palette().color(QPalette::ButtonText)});
    return false;
}

} // namespace penvaro::testing
