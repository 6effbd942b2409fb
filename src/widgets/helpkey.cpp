#include "helpkey.h"

#include "manual.h"

#include <QKeyEvent>
#include <QWidget>

namespace penvaro::widgets {

HelpKey::HelpKey(platform::UiService &ui, QObject *parent)
    : QObject(parent)
    , m_ui(ui) {}

bool HelpKey::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            OpenManual(m_ui);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace penvaro::widgets
