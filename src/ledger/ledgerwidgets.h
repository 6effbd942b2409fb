#pragma once

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace penvaro::widgets {
class StringGrid;
} // namespace penvaro::widgets

namespace penvaro::ledger {

// The controls of the main window that show the booking table and its sums.
struct LedgerWidgets {
    QGroupBox *GroupBox1 = nullptr;
    QGroupBox *GroupBox2 = nullptr;
    widgets::StringGrid *Stringgrid1 = nullptr;
    widgets::StringGrid *StringGrid2 = nullptr;
    QWidget *PSummeG = nullptr;
    QLineEdit *ESumme = nullptr;
    QWidget *PSummeZ = nullptr;
    QLineEdit *ESumme2 = nullptr;
    QWidget *PSummeL = nullptr;
    QLabel *LSummeGes = nullptr;
    QLineEdit *EGesSumme = nullptr;
    QLabel *LSummeH = nullptr;
    QLabel *STSummeH = nullptr;
    QWidget *PBetrag = nullptr;
    QCheckBox *RBEuroBetrag = nullptr;
    QCheckBox *RBnatBetrag = nullptr;
    QWidget *PKontostand = nullptr;
    QCheckBox *RBEuroKontostand = nullptr;
    QCheckBox *RBnatKontostand = nullptr;
};

} // namespace penvaro::ledger
