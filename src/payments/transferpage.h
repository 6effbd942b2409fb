#pragma once

#include "core/savedtransferrecord.h"
#include "core/transferform.h"

#include <QWidget>

class QCheckBox;

namespace penvaro::platform {
class AppState;
} // namespace penvaro::platform

namespace penvaro::payments {

class BankCodes;
class BankCodeSearchDialog;
class PaymentPrinter;
class TransferForm;

// The page "Überweisungen": a transfer, direct-debit or cash-on-delivery order to print, with
// the recipients of earlier orders to choose from.
class TransferPage : public QWidget {
    Q_OBJECT

public:
    TransferPage(platform::AppState &state, BankCodes &bankCodes, BankCodeSearchDialog &search,
                 PaymentPrinter &printer, QWidget *parent = nullptr);

    // A new order each time the payment window opens: form 20, the account's own data as the
    // ordering party, no recipient, the remembered recipients in the list.
    void prepare();
    // The saved transfer as the order to print.
    void useTemplate(const core::SavedTransferRecord &record);
    // The account's own data changed.
    void takeAccountData();
    // Offering "Als Überweisungsvorlage speichern" needs a saved-transfer file.
    void setTemplatesAvailable(bool available);

    core::TransferOrder order() const;
    // "Als Überweisungsvorlage speichern": keep the printed order as a saved transfer.
    bool saveAsTemplate() const;
    // The printed order is kept as a saved transfer: printing again does not keep it twice.
    void templateSaved();

Q_SIGNALS:
    // A transfer was printed and booked with "Als Überweisungsvorlage speichern" ticked.
    void printedAsTemplate(const core::SavedTransferRecord &record);

private:
    void recallRecipient(const QString &name);
    void print();
    void printReceipt();

    platform::AppState &m_state;
    PaymentPrinter &m_printer;
    TransferForm *m_form;
    QCheckBox *m_saveAsTemplate;
};

} // namespace penvaro::payments
