#include "currencychoice.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>

namespace penvaro::ledger {
namespace {

QCheckBox *currencyBox(const char *name, const QString &caption, const QString &accessible) {
    auto *box = new QCheckBox(caption);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(accessible);
    return box;
}

QWidget *currencyPanel(QWidget *parent, const char *name, const QString &caption, QCheckBox *euro,
                       QCheckBox *national) {
    auto *panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    auto *layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    auto *label = new QLabel(caption, panel);
    label->setBuddy(euro);
    layout->addWidget(label);
    layout->addWidget(euro);
    layout->addWidget(national);
    return panel;
}

} // namespace

CurrencyChoice::CurrencyChoice(core::Settings &settings, QWidget *parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_amountInEuro(
          currencyBox("RBEuroBetrag", QStringLiteral("€"), QStringLiteral("Betrag in €")))
    , m_amountInNational(currencyBox("RBnatBetrag", QStringLiteral("DM"),
                                     QStringLiteral("Betrag in Landeswährung")))
    , m_balanceInEuro(
          currencyBox("RBEuroKontostand", QStringLiteral("€"), QStringLiteral("Kontostand in €")))
    , m_balanceInNational(currencyBox("RBnatKontostand", QStringLiteral("DM"),
                                      QStringLiteral("Kontostand in Landeswährung"))) {
    setObjectName(QStringLiteral("PWaehrungen"));
    QWidget *amountPanel = currencyPanel(this, "PBetrag", QStringLiteral("Beträge in"),
                                         m_amountInEuro, m_amountInNational);
    m_balancePanel = currencyPanel(this, "PKontostand", QStringLiteral("Kontostand in"),
                                   m_balanceInEuro, m_balanceInNational);
    // From the left edge, so that a click never moves a box: a sum that grows with the other
    // currency widens the window, which would carry right-aligned boxes away under the pointer.
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(16);
    layout->addWidget(amountPanel);
    layout->addWidget(m_balancePanel);
    layout->addStretch();

    const std::pair<QCheckBox *, bool core::Settings::*> boxes[] = {
        {m_amountInEuro, &core::Settings::amountsInEuro},
        {m_amountInNational, &core::Settings::amountsInNational},
        {m_balanceInEuro, &core::Settings::balancesInEuro},
        {m_balanceInNational, &core::Settings::balancesInNational},
    };
    for (const auto &[box, setting] : boxes) {
        connect(box, &QCheckBox::clicked, this, [this, setting](bool checked) {
            m_settings.*setting = checked;
            Q_EMIT changed();
        });
    }
}

void CurrencyChoice::applyOptions() {
    const QString national = QString::fromStdString(m_settings.nationalCurrency);
    m_amountInNational->setText(national);
    m_balanceInNational->setText(national);
    const std::pair<QCheckBox *, bool> boxes[] = {
        {m_amountInEuro, m_settings.amountsInEuro},
        {m_amountInNational, m_settings.amountsInNational},
        {m_balanceInEuro, m_settings.balancesInEuro},
        {m_balanceInNational, m_settings.balancesInNational},
    };
    for (const auto &[box, checked] : boxes) {
        box->blockSignals(true);
        box->setChecked(checked);
        box->blockSignals(false);
    }
    // The boxes themselves too: whether they are there is what a screen reader is asked.
    for (QWidget *shown : {m_balancePanel, static_cast<QWidget *>(m_balanceInEuro),
                           static_cast<QWidget *>(m_balanceInNational)})
        shown->setVisible(m_settings.showBalanceColumn);
}

} // namespace penvaro::ledger
