#pragma once

#include <QDialog>

class QRadioButton;

namespace penvaro::platform {
class AppState;
} // namespace penvaro::platform

namespace penvaro::options {

class OptionsForm;
class PasswordPanel;

// "Optionen": the settings the user may change, of the program and of the open account file.
// "OK" stores every value that can be read, reports each one that cannot with its number, and
// stays open for correction; the main window then follows the settings. A font chosen and a
// password taken over stay in the settings also when the dialog is cancelled.
class OptionsDialog : public QDialog {
    Q_OBJECT

public:
    explicit OptionsDialog(platform::AppState &state, QWidget *parent = nullptr);

    // Fills the controls from the settings record and shows the window modally on the page
    // shown when it was last closed. Without an open account file only the program's values
    // can be changed.
    int showModal(bool accountOpen);

    // The buttons below the pages.
    void chooseFont();
    void confirm();

Q_SIGNALS:
    // The settings were changed by "OK": the main window lays itself out again. The ledger is
    // sorted and refilled after the settings were saved.
    void optionsApplied();

protected:
    void done(int result) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void fill();
    void statementDataChosen();
    // Takes the password over when both fields agree and are not empty (empty fields keep the
    // stored one); otherwise shows the page "Passwort" with the message and keeps the dialog
    // open.
    bool checkPasswords();
    void pageChosen();
    void focusMoved(QWidget *from, QWidget *to);

    platform::AppState &m_state;
    OptionsForm *m_form;
    PasswordPanel *m_password;
    QRadioButton *m_statementData;
    // The orders that need statement data, and the one that does not.
    QRadioButton *m_byStatementNumber;
    QRadioButton *m_byStatementDate;
    QRadioButton *m_byValueDate;
    int m_lastPage = -1;
    // Sized once; afterwards it keeps the size the user gave it.
    bool m_sized = false;
    bool m_mayClose = true;
    bool m_checkingPasswords = false;
    // The password last taken over, so that leaving the field again does not hash it again.
    QString m_takenPassword;
};

} // namespace penvaro::options
