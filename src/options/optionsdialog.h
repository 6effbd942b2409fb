#pragma once

#include "optionswidgets.h"

#include <QDialog>

namespace penvaro::platform {
class AppState;
} // namespace penvaro::platform

namespace penvaro::options {

// "Optionen": the settings the user may change, of the program and of the open account file.
// "OK" stores every value that can be read, reports each one that cannot with its number, and
// stays open for correction; the main window then follows the settings. A font chosen and a
// password taken over stay in the settings also when the dialog is cancelled.
class OptionsDialog : public QDialog {
    Q_OBJECT

public:
    explicit OptionsDialog(platform::AppState &state, QWidget *parent = nullptr);

    // Fills the controls from the settings record and shows the window modally on the page
    // shown when it was last closed.
    int showModal();

    const OptionsWidgets &widgets() const { return m_w; }

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
    void readNumbers();
    void readChoices();

    platform::AppState &m_state;
    OptionsWidgets m_w;
    QWidget *m_buttons = nullptr;
    int m_lastPage = -1;
    bool m_mayClose = true;
    bool m_checkingPasswords = false;
    // The password last taken over, so that leaving the field again does not hash it again.
    QString m_takenPassword;
    // The texts shown at opening: a number not retyped keeps its full precision.
    QString m_shownEurokurs;
    QString m_shownZinsen;
    QString m_shownSollzinsen;
};

} // namespace penvaro::options
