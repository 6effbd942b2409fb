#pragma once

#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

namespace penvaro::payments {

// What the cheque pages share: their typed texts look as they are printed, and the amount in
// words follows the amount as it is typed.
// Each field takes at most what its place on the cheque holds.
QLineEdit *ChequeEdit(QWidget *parent, const char *name, int maxLength);
// Turns whatever is typed into capitals, as cheques are written.
void TypeInCapitals(QLineEdit *edit);
// The label that shows the amount in words: a note until the amount is first changed, then
// the words of the whole euros as they will be printed, or why the amount cannot be printed.
QLabel *AmountInWordsLabel(QWidget *parent, const char *name, QLineEdit *amount);
QLabel *Caption(QWidget *parent, const QString &text, QWidget *buddy);

// What a cheque's place holds: the currency, the framed amount ("999.999.999,99"), a payee
// line (the caption says 27), the place of issue and the date.
inline constexpr int ChequeCurrencyLength = 4;
inline constexpr int ChequeAmountLength = 14;
inline constexpr int ChequePayeeLength = 27;
inline constexpr int ChequePlaceLength = 20;
inline constexpr int ChequeDateLength = 10;

} // namespace penvaro::payments
