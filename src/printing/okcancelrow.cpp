#include "okcancelrow.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace penvaro::printing {

QHBoxLayout *OkCancelRow(QDialog *dialog, const std::function<void()> &onOk) {
    auto *ok = new QPushButton(QStringLiteral("OK"), dialog);
    ok->setObjectName(QStringLiteral("Button2"));
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog, onOk);
    auto *cancel = new QPushButton(QStringLiteral("Abbrechen"), dialog);
    cancel->setObjectName(QStringLiteral("Button3"));
    cancel->setAutoDefault(false);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    return buttons;
}

} // namespace penvaro::printing
