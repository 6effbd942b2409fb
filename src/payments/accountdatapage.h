#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

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

Q_SIGNALS:
    // The account data in memory are the ones on the page now.
    void accountDataStored();

private:
    void lookUpBank();

    platform::AppState &m_state;
    BankCodes &m_bankCodes;
    QLineEdit *m_kontoinhaber;
    QLineEdit *m_kontonummer;
    QLineEdit *m_bankleitzahl;
    QLineEdit *m_institut;
    QLabel *m_bankHint;
    QLineEdit *m_ort;
    QLineEdit *m_kontobezeichnung;
};

} // namespace penvaro::payments
