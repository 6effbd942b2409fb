#pragma once

#include "core/savedtransferrecord.h"
#include "core/sepatemplate.h"
#include "core/sepatransfer.h"

#include <QWidget>

#include <map>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTreeWidget;
class QPushButton;

namespace penvaro::platform {
class AppState;
} // namespace penvaro::platform

namespace penvaro::payments {

class BankCodes;
class PaymentPrinter;

// The form "SEPA-Überweisung" of the transfer page: a transfer by IBAN that the user pays by
// GiroCode, by a SEPA file for online banking (alone or collected with others), or on the SEPA
// paper form. Each of them books the planned debit once and remembers the recipient.
class SepaTransferPanel : public QWidget {
    Q_OBJECT

public:
    SepaTransferPanel(platform::AppState &state, BankCodes &bankCodes, PaymentPrinter &printer,
                      QWidget *parent = nullptr);

    // A new transfer each time the payment window opens, with the remembered recipients to
    // choose from; the collected ones stay until written.
    void prepare(const QStringList &recipients);
    // The recipient chosen or typed: its IBAN and BIC from the memory.
    void recallRecipient(const QString &name);
    // The saved SEPA transfer as the transfer to pay.
    void showTemplate(const core::SepaTemplate &sepa);
    // Offering "Als Überweisungsvorlage speichern" needs a saved-transfer file.
    void setTemplatesAvailable(bool available);

    // The numbers of the messages for a field that cannot be used.
    enum Message : std::int32_t {
        NameMessage = 26601,
        IbanMessage,
        BicMessage,
        AmountMessage,
        PurposeMessage,
        ExecutionMessage,
        AccountDataMessage,
        PaperFormMessage,
    };

Q_SIGNALS:
    // A transfer was paid or collected with "Als Überweisungsvorlage speichern" ticked.
    void keptAsTemplate(const core::SavedTransferRecord &record);

private:
    struct Collected {
        core::SepaTransfer transfer;
        QString bankName;
        bool written = false;
    };

    void showIbanCheck();
    void leaveIban();
    // The transfer as typed, checked field by field; the first field that fails gets its
    // message and the focus.
    std::optional<core::SepaTransfer> checkedTransfer();
    std::optional<core::SepaDebtor> debtor();
    void refuse(Message code, const std::string &message, QWidget *field);
    void showGiroCode();
    void collect();
    void writeFile();
    void print();
    void printReceipt();
    void showCollected();
    void clearTransfer();
    void keepAsTemplate();
    // Another account file is open: its own collection is shown.
    void followAccount();

    platform::AppState &m_state;
    BankCodes &m_bankCodes;
    PaymentPrinter &m_printer;
    QComboBox *m_name;
    QLineEdit *m_iban;
    QLabel *m_ibanCheck;
    QLineEdit *m_bic;
    QLineEdit *m_amount;
    QLineEdit *m_purpose;
    QLineEdit *m_execution;
    QCheckBox *m_keepTemplate;
    QTreeWidget *m_collectedList;
    QString m_bankName; // of the IBAN as last checked
    std::vector<Collected> m_collected;
    // The collections belong to the account file they were made in: its IBAN pays them and its
    // bookings record them. Those of the files not open wait here for their file.
    std::string m_collectedFor;
    std::map<std::string, std::vector<Collected>> m_collectedElsewhere;
};

} // namespace penvaro::payments
