#pragma once

#include <QString>

class QFormLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace penvaro::payments {

class BankCodes;

// A text field of a SEPA transfer in its form, with its label as buddy ("L" and the field's
// name without its "E") and the limit shown in the empty field.
QLineEdit *AddSepaField(QFormLayout &form, QWidget *parent, const char *name,
                        const QString &caption, int maxLength, const QString &hint);

// The label under the IBAN that says, as the user types, whether the IBAN can be used and at
// which bank; a wrapped text must not take a share of the spare height.
QLabel *IbanCheckLabel(QWidget *parent);

// What that label says of the typed IBAN: nothing for an empty field, else the reason it is
// refused or "IBAN gültig" with the bank's name. The bank's name is handed back as well.
QString IbanCheckText(BankCodes &bankCodes, const QString &typed, QString *bankName = nullptr);

} // namespace penvaro::payments
