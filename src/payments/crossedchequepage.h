#pragma once

#include "core/chequeforms.h"
#include "platform/payeememory.h"

#include <QWidget>

#include <array>

class QComboBox;
class QLineEdit;

namespace penvaro::platform {
class AppState;
} // namespace penvaro::platform

namespace penvaro::payments {

class PaymentPrinter;

// The page "Verrechnungsschecks": a crossed cheque to print, with the payees of earlier cheques
// to choose from.
class CrossedChequePage : public QWidget {
    Q_OBJECT

public:
    CrossedChequePage(platform::AppState &state, PaymentPrinter &printer,
                      QWidget *parent = nullptr);

    // A new cheque each time the payment window opens, dated today, issued at the place of the
    // account data; the currency stays as last typed.
    void prepare();
    // Also whenever the account data change while the window is open.
    void takePlaceOfIssue();
    core::CrossedCheque order() const;

Q_SIGNALS:
    // "Schließen" on the page.
    void closeRequested();

private:
    void print();
    void printReceipt();
    void recallPayee();
    platform::PayeeLines payeeLines() const;

    platform::AppState &m_state;
    PaymentPrinter &m_printer;
    QLineEdit *m_currency;
    QLineEdit *m_amount;
    QComboBox *m_payee;
    std::array<QLineEdit *, 3> m_payeeLines;
    QLineEdit *m_place;
    QLineEdit *m_date;
    // The further lines as the page last filled or emptied them itself.
    platform::PayeeLines m_filledLines;
};

} // namespace penvaro::payments
