#include "pagebuttons.h"

#include "widgets/manual.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace penvaro::payments {

QPushButton *PageButton(QWidget *parent, const char *name, const QString &caption) {
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QHBoxLayout *PageButtonRow(QWidget *parent, platform::UiService &ui,
                           std::initializer_list<QPushButton *> buttons) {
    auto *row = new QHBoxLayout;
    QPushButton *help = PageButton(parent, "BHilfe", QStringLiteral("HILFE"));
    QObject::connect(help, &QPushButton::clicked, parent, [&ui] { widgets::OpenManual(ui); });
    row->addWidget(help);
    row->addStretch();
    for (QPushButton *button : buttons)
        row->addWidget(button);
    return row;
}

} // namespace penvaro::payments
