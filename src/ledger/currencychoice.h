#pragma once

#include "core/settings.h"

#include <QWidget>

class QCheckBox;

namespace penvaro::ledger {

// Whether amounts and balances are shown in euro, in the account's national currency, or in
// both: two check boxes each, stored in the settings of the file at once.
class CurrencyChoice : public QWidget {
    Q_OBJECT

public:
    CurrencyChoice(core::Settings &settings, QWidget *parent = nullptr);

    // Takes up the settings: the national currency's name, the choices, and whether there is a
    // balance column to choose for.
    void applyOptions();

Q_SIGNALS:
    void changed();

private:
    core::Settings &m_settings;
    QCheckBox *m_amountInEuro;
    QCheckBox *m_amountInNational;
    QWidget *m_balancePanel;
    QCheckBox *m_balanceInEuro;
    QCheckBox *m_balanceInNational;
};

} // namespace penvaro::ledger
