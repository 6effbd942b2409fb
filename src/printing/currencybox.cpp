#include "currencybox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

namespace penvaro::printing {

CurrencyBox::CurrencyBox(QWidget *parent)
    : QGroupBox(QStringLiteral("EURO-Einstellung"), parent)
    , m_euro(new QRadioButton(QStringLiteral("€ oder in"), this))
    , m_national(new QRadioButton(QStringLiteral("DM ausgegeben."), this)) {
    m_euro->setObjectName(QStringLiteral("RBeuro"));
    m_national->setObjectName(QStringLiteral("RBnat"));
    m_euro->setChecked(true);
    auto *intro = new QLabel(QStringLiteral("Betrag und Kontostand werden in "), this);
    intro->setBuddy(m_euro);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_euro);
    layout->addWidget(m_national);
    layout->addStretch(1);
}

void CurrencyBox::setCurrencyName(const QString &name) {
    const QString shown = name.trimmed().isEmpty() ? QStringLiteral("DM") : name.trimmed();
    m_national->setText(shown + QStringLiteral(" ausgegeben."));
}

bool CurrencyBox::national() const {
    return m_national->isChecked();
}

} // namespace penvaro::printing
