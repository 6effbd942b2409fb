#pragma once

#include "core/savedtransferrecord.h"
#include "core/transferform.h"

#include <QWidget>

class QCheckBox;
class QRadioButton;
class QStackedWidget;

namespace penvaro::platform {
class AppState;
} // namespace penvaro::platform

namespace penvaro::payments {

class BankCodes;
class BankCodeSearchDialog;
class PaymentPrinter;
class SepaTransferPanel;
class TransferForm;

// The page "Überweisungen": a SEPA transfer, the first and usual form, or a transfer,
// direct-debit or cash-on-delivery order on a written form with its number, with the
// recipients of earlier orders to choose from.
class TransferPage : public QWidget {
    Q_OBJECT

public:
    TransferPage(platform::AppState &state, BankCodes &bankCodes, BankCodeSearchDialog &search,
                 PaymentPrinter &printer, QWidget *parent = nullptr);

    // A new order each time the payment window opens: the SEPA transfer, and behind it form 20,
    // the account's own data as the ordering party, no recipient, the remembered recipients in
    // the list.
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
    // A transfer was printed and booked (or, by SEPA, paid or collected) with "Als
    // Überweisungsvorlage speichern" ticked.
    void printedAsTemplate(const core::SavedTransferRecord &record);

private:
    void recallRecipient(const QString &name);
    void print();
    void printReceipt();
    void showKind();

    platform::AppState &m_state;
    QRadioButton *m_sepaKind;
    QRadioButton *m_writtenKind;
    QStackedWidget *m_kinds;
    SepaTransferPanel *m_sepa;
    PaymentPrinter &m_printer;
    TransferForm *m_form;
    QCheckBox *m_saveAsTemplate;
};

} // namespace penvaro::payments
