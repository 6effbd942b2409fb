#include "popuplistbox.h"

#include <QElapsedTimer>
#include <QKeyEvent>

#include <algorithm>

namespace penvaro::widgets {
namespace {

constexpr qint64 searchPauseMs = 2000;
constexpr int maxSearchLength = 32;
constexpr int minimumItemHeight = 11;

qint64 steadyMilliseconds() {
    static QElapsedTimer timer;
    if (!timer.isValid())
        timer.start();
    return timer.elapsed();
}

} // namespace

PopupListBox::PopupListBox(QWidget *editor)
    : QListWidget(editor)
    , m_now(steadyMilliseconds) {
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                   | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setFrameShape(QFrame::Box);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

int PopupListBox::itemHeight() const {
    // Eleven pixels is too small for today's fonts; the list never cuts its own text.
    return std::max(minimumItemHeight, fontMetrics().height());
}

void PopupListBox::setItems(const QStringList &items) {
    clear();
    addItems(items);
    for (int i = 0; i < count(); ++i)
        item(i)->setSizeHint(QSize(0, itemHeight()));
    m_searchText.clear();
}

void PopupListBox::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Backspace:
        m_searchText.clear();
        return;
    case Qt::Key_Escape:
        m_searchText.clear();
        Q_EMIT closeUpRequested(false);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Q_EMIT closeUpRequested(true);
        return;
    default:
        break;
    }
    const QString text = event->text();
    if (text.size() == 1 && text.at(0).unicode() >= 32 && text.at(0).unicode() <= 255) {
        search(text.at(0));
        return;
    }
    QListWidget::keyPressEvent(event);
}

void PopupListBox::search(QChar character) {
    const qint64 now = m_now();
    if (now - m_lastCharacterTime > searchPauseMs)
        m_searchText.clear();
    m_lastCharacterTime = now;
    if (m_searchText.size() < maxSearchLength)
        m_searchText += character;
    for (int i = 0; i < count(); ++i) {
        if (item(i)->text().startsWith(m_searchText, Qt::CaseInsensitive)) {
            setCurrentRow(i);
            return;
        }
    }
}

void PopupListBox::mouseReleaseEvent(QMouseEvent *event) {
    // Mouse events of a scroll area arrive in viewport coordinates.
    const QPoint pos = event->position().toPoint();
    const bool inside = viewport()->rect().contains(pos);
    if (QListWidgetItem *hit = inside ? itemAt(pos) : nullptr)
        setCurrentItem(hit);
    Q_EMIT closeUpRequested(inside);
}

} // namespace penvaro::widgets
