#pragma once

#include "core/chequeforms.h"

#include <QWidget>

class QLineEdit;

namespace penvaro::platform {
class AppState;
} // namespace penvaro::platform

namespace penvaro::payments {

class PaymentPrinter;

// The page "Euroschecks": a Euro cheque to print.
class EuroChequePage : public QWidget {
    Q_OBJECT

public:
    EuroChequePage(platform::AppState &state, PaymentPrinter &printer, QWidget *parent = nullptr);

    // A new cheque in euro each time the payment window opens, dated today, issued at the
    // place of the account data.
    void prepare();
    // Also whenever the account data change while the window is open.
    void takePlaceOfIssue();
    core::EuroCheque order() const;

Q_SIGNALS:
    // "Schließen" on the page.
    void closeRequested();

private:
    void print();
    void printReceipt();
    platform::AppState &m_state;
    PaymentPrinter &m_printer;
    QLineEdit *m_currency;
    QLineEdit *m_amount;
    QLineEdit *m_payee;
    QLineEdit *m_place;
    QLineEdit *m_date;
};

} // namespace penvaro::payments
