#pragma once

#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

namespace penvaro::payments {

// What the cheque pages share: their typed texts look as they are printed, and the amount in
// words follows the amount as it is typed.
QLineEdit *ChequeEdit(QWidget *parent, const char *name);
// Turns whatever is typed into capitals, as cheques are written.
void TypeInCapitals(QLineEdit *edit);
// The label that shows the amount in words: a note until the amount is first changed, then
// the words of its leading digits.
QLabel *AmountInWordsLabel(QWidget *parent, const char *name, QLineEdit *amount);
QLabel *Caption(QWidget *parent, const QString &text, QWidget *buddy);

} // namespace penvaro::payments
