#pragma once

class QLabel;
class QLineEdit;
class QRadioButton;
class QTabWidget;
class QWidget;

namespace penvaro::options {

// The controls of the options dialog that its behaviour reads and writes, by their names.
struct OptionsWidgets {
    QTabWidget *PageControl1 = nullptr;
    QWidget *TSFormulardrucker = nullptr; // shown at the first opening
    QWidget *TSPasswort = nullptr;

    QLineEdit *EZinsen = nullptr;
    QLineEdit *ESollzinsen = nullptr;
    QLineEdit *EWaehrung = nullptr;
    QLineEdit *EEurokurs = nullptr;
    QLabel *LWaehrung = nullptr; // the currency name after the rate
    QLineEdit *EStartbild = nullptr;
    QRadioButton *RBAuszugsdatAn = nullptr;
    QRadioButton *RBAuszugsdatAus = nullptr;
    QRadioButton *RBBuchungsdatAn = nullptr;
    QRadioButton *RBBuchungsdatAus = nullptr;
    QRadioButton *RBKontostTabAn = nullptr;
    QRadioButton *RBKontostTabAus = nullptr;
    QRadioButton *RBKontostDruAn = nullptr;
    QRadioButton *RBKontostDruAus = nullptr;
    QRadioButton *RBSummeGetAn = nullptr;
    QRadioButton *RBSummeGetAus = nullptr;
    QRadioButton *RBSummeGepAn = nullptr;
    QRadioButton *RBSummeGepAus = nullptr;
    QLineEdit *EZeilenabGet = nullptr;
    QRadioButton *RBSortGetAuf = nullptr;
    QRadioButton *RBSortGetAb = nullptr;
    QRadioButton *RBTabGepan = nullptr;
    QRadioButton *RBTabGepaus = nullptr;
    QLineEdit *EZeilenabGep = nullptr;
    QRadioButton *RBSortGepAuf = nullptr;
    QRadioButton *RBSortGepAb = nullptr;
    QLineEdit *EHorKorr = nullptr;
    QLineEdit *EVerKorr = nullptr;
    QRadioButton *RBPWan = nullptr;
    QRadioButton *RBPWaus = nullptr;
    QWidget *PPasswort = nullptr; // the explanation and the two fields
    QLineEdit *EPW1 = nullptr;
    QLineEdit *EPW2 = nullptr;
    QLabel *LPWGesetzt = nullptr; // says that a password is set, which the fields do not show
    QRadioButton *RBSortByAuszugsnr = nullptr;
    QRadioButton *RBSortByAuszugsdat = nullptr;
    QRadioButton *RBSortByWertdat = nullptr;
};

// Builds the ten pages in their order into a new page control.
QTabWidget *BuildOptionsPages(QWidget *parent, OptionsWidgets &w);

} // namespace penvaro::options
