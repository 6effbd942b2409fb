#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;

namespace penvaro::platform {
class AppState;
} // namespace penvaro::platform

namespace penvaro::options {

// "Daten sichern": copies chosen account files of the register into a folder, and writes all
// settings into a registry file or merges such a file back. The target folder is kept while
// the program runs.
class BackupDialog : public QDialog {
    Q_OBJECT

public:
    explicit BackupDialog(platform::AppState &state, QWidget *parent = nullptr);

    // Lists the account files of the register, none ticked, and shows the window modally.
    int showModal();

    // The buttons.
    void chooseFolder();
    void copyTicked();
    void exportSettings();
    void mergeSettings();

Q_SIGNALS:
    // Merged settings are in memory now: whatever shows them shows them again.
    void settingsMerged();

private:
    void fill();

    platform::AppState &m_state;
    QListWidget *m_files;
    QLabel *m_clicked;
    QLineEdit *m_folder;
};

} // namespace penvaro::options
