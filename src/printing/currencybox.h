#pragma once

#include <QGroupBox>

class QRadioButton;

namespace penvaro::printing {

// "EURO-Einstellung": whether a printout's amounts and balances are in euro ("RBeuro") or in
// the national currency ("RBnat"), which the box names as the account's settings do.
class CurrencyBox : public QGroupBox {
    Q_OBJECT

public:
    explicit CurrencyBox(QWidget *parent = nullptr);

    bool national() const;
    // "Waehrung"; the box says "DM" while none is stored.
    void setCurrencyName(const QString &name);

private:
    QRadioButton *m_euro;
    QRadioButton *m_national;
};

} // namespace penvaro::printing
