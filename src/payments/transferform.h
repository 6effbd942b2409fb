#pragma once

#include "core/savedtransferrecord.h"
#include "core/transferform.h"

#include <QWidget>

#include <cstdint>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace penvaro::core {
struct Settings;
} // namespace penvaro::core

namespace penvaro::payments {

class BankCodes;
class BankCodeSearchDialog;
class FieldNavigation;

// The fields of a transfer order with their form type buttons, shared by the transfer page of
// the payment window and the template editor. On the page, choosing a form type starts a new
// order: the recipient is emptied and the ordering party is the account's own; the editor
// only shows and hides what the form type has.
class TransferForm : public QWidget {
    Q_OBJECT

public:
    enum class Kind { Page, Template };

    // accountData is the account's own bank data as the settings hold it.
    TransferForm(Kind kind, const core::Settings &accountData, BankCodes &bankCodes,
                 BankCodeSearchDialog &search, QWidget *parent = nullptr);

    // The form type of the chosen button; on the editor the type a template keeps when it has
    // no button of its own (16, 99).
    std::int16_t formType() const;
    // Chooses the type as a click on its button does.
    void chooseFormType(std::int16_t code);
    // Chooses the type only when another one is chosen, so that an order of the same type
    // keeps what the page holds.
    void selectFormType(std::int16_t code);

    // The ordering party from the account's own data.
    void fillOwnAccount();
    // After the account data were changed: the ordering party's name, account number and bank
    // code, which the page "Kontodaten" hands on to the order.
    void takeChangedAccountData();
    // Empties the order as the payment window does each time it opens.
    void clearOrder();
    void setRecipientNames(const QStringList &names);

    struct RecipientAccount {
        QString kontonr;
        QString blz;
        QString bank;
        friend bool operator==(const RecipientAccount &, const RecipientAccount &) = default;
    };
    // The recipient's bank data as taken from the memory of recipients.
    void setRecipientAccount(const RecipientAccount &account);
    RecipientAccount recipientAccount() const;
    // Whether the recipient's bank data were typed or picked by the user (or came with a saved
    // transfer) since the form last filled or emptied them itself.
    bool recipientAccountIsTheUsers() const;
    // Copies the saved transfer into the fields and looks its bank up; the form type is the
    // caller's.
    void showTemplate(const core::SavedTransferRecord &record);
    // The fields as a saved transfer, each text cut to its field.
    core::SavedTransferRecord toTemplate() const;
    core::TransferOrder order() const;

    QLineEdit &amountEdit() const { return *m_betrag; }

    // Where Enter goes after the last field: the button that prints or saves.
    void setConfirmButton(QWidget *button) { m_confirm = button; }

Q_SIGNALS:
    // A name was chosen from the recipient list, or the recipient field was left.
    void recipientChosen(const QString &name);

private:
    void buildFormTypes();
    void buildFields();
    void buildNavigation();
    void switchFormType(std::int16_t code);
    void resetPage();
    void showFormTypeFields(std::int16_t code);
    void setPartyLabels(bool directDebit);
    void lookUpBank();
    void searchBank();

    Kind m_kind;
    const core::Settings &m_accountData;
    BankCodes &m_bankCodes;
    BankCodeSearchDialog &m_search;
    FieldNavigation *m_navigation;
    QButtonGroup *m_formTypes;
    QLabel *m_keptFormType = nullptr;
    std::int16_t m_templateFormType = 20;
    QWidget *m_confirm = nullptr;

    QLineEdit *m_auftraggeberBank;
    QLineEdit *m_auftraggeberBlz;
    QComboBox *m_empfaenger;
    QLineEdit *m_kontonr;
    QLineEdit *m_blz;
    QToolButton *m_bankSearch;
    QLineEdit *m_bank;
    QLabel *m_bankHint;
    RecipientAccount m_filledAccount;
    QLineEdit *m_currency;
    QLineEdit *m_betrag;
    QLineEdit *m_verwendung1;
    QLineEdit *m_verwendung2;
    QLineEdit *m_auftraggeber;
    QLineEdit *m_eigeneKontonr;
    QLineEdit *m_ausfuehrungsdatum;
    QCheckBox *m_anschrift;
    QLineEdit *m_postbankA = nullptr;
    QLineEdit *m_postbankB = nullptr;
    QCheckBox *m_postbankC = nullptr;

    QLabel *m_empfaengerLabel;
    QLabel *m_kontonrLabel;
    QLabel *m_auftraggeberLabel;
    QLabel *m_eigeneKontonrLabel;

    // A field with its label (and its hint), shown and hidden together.
    QWidget *m_auftraggeberBankBox;
    QWidget *m_auftraggeberBlzBox;
    QWidget *m_eigeneKontonrBox;
    QWidget *m_ausfuehrungsdatumBox;
    QWidget *m_postbankBox = nullptr;
};

} // namespace penvaro::payments
