#include "commandbutton.h"

#include <QPushButton>
#include <QToolButton>

namespace penvaro::widgets {

QToolButton *CommandButton(QWidget *parent, const char *name, const QString &caption,
                           const QString &hint) {
    auto *b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(caption);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setAutoRaise(true);
    if (!hint.isEmpty())
        b->setToolTip(hint);
    return b;
}

QPushButton *DialogButton(QWidget *parent, const char *name, const QString &caption,
                          const QString &hint) {
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty())
        b->setToolTip(hint);
    return b;
}

} // namespace penvaro::widgets
