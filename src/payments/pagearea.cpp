#include "pagearea.h"

#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

namespace penvaro::payments {
namespace {

class PageArea : public QScrollArea {
public:
    QSize sizeHint() const override {
        const QScrollBar *bar = verticalScrollBar();
        return widget()->sizeHint()
               + QSize(2 * frameWidth() + bar->sizeHint().width(), 2 * frameWidth());
    }
};

} // namespace

QScrollArea *Scrolling(QWidget *page, const char *name) {
    auto *area = new PageArea;
    area->setObjectName(QString::fromLatin1(name));
    area->setWidget(page);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    return area;
}

void FitIntoScreen(QWidget &window) {
    const QScreen *shown = window.screen();
    if (!shown)
        return;
    const QRect available = shown->availableGeometry();
    window.resize(window.sizeHint().boundedTo(available.size()));
    window.move(available.center() - window.rect().center());
}

} // namespace penvaro::payments
