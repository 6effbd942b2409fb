#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace penvaro::platform {
class AppState;
} // namespace penvaro::platform

namespace penvaro::payments {

class BankCodes;

// The page "Kontodaten": the account's own bank data, which every form needs. What the user
// types is stored as soon as a field is left, and when the payment window closes.
class AccountDataPage : public QWidget {
    Q_OBJECT

public:
    AccountDataPage(platform::AppState &state, BankCodes &bankCodes, QWidget *parent = nullptr);

    // The edits from the account data in memory.
    void showAccountData();
    // Stores the edits for the open account file (the place of issue for every file), keeps
    // them in memory and puts the account number and name with the balance into the account
    // register. A settings store that cannot be written only loses the stored copy.
    void storeAccountData();

    // The number of the message for an IBAN of the account that cannot be used.
    static constexpr int IbanMessage = 26609;

Q_SIGNALS:
    // The account data in memory are the ones on the page now.
    void accountDataStored();

private:
    void lookUpBank();
    // The IBAN as typed, checked, in groups of four, with the BIC of a German bank beside it.
    void leaveIban();
    // An account with account number and bank code but no IBAN gets the derived one shown,
    // stored only when the user confirms it.
    void offerDerivedIban();
    void confirmIban();
    // What is stored: the IBAN and BIC in electronic form when they are ones, else what was
    // stored before; a derived IBAN only once confirmed.
    QString ibanToStore() const;
    QString bicToStore() const;

    platform::AppState &m_state;
    BankCodes &m_bankCodes;
    QLineEdit *m_kontoinhaber;
    QLineEdit *m_kontonummer;
    QLineEdit *m_bankleitzahl;
    QLineEdit *m_institut;
    QLabel *m_bankHint;
    QLineEdit *m_ort;
    QLineEdit *m_kontobezeichnung;
    QLineEdit *m_iban;
    QLineEdit *m_bic;
    QLabel *m_derivedNote;
    QPushButton *m_confirmIban;
    bool m_ibanConfirmed = true; // false while a derived IBAN waits for confirmation
};

} // namespace penvaro::payments
