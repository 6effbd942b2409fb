#pragma once

#include <QGroupBox>

class QRadioButton;

namespace penvaro::printing {

// "EURO-Einstellung": whether a printout's amounts and balances are in euro ("RBeuro") or in
// the national currency ("RBnat"). The caption names "DM" whatever the account's currency.
class CurrencyBox : public QGroupBox {
    Q_OBJECT

public:
    explicit CurrencyBox(QWidget *parent = nullptr);

    bool national() const;

private:
    QRadioButton *m_euro;
    QRadioButton *m_national;
};

} // namespace penvaro::printing
