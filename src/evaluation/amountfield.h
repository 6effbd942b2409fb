#pragma once

#include <QString>

class QLineEdit;
class QWidget;

namespace penvaro::evaluation {

// A read-only amount, right-aligned, never narrower than a four-figure euro amount.
QLineEdit *AmountField(QWidget *parent, const char *name, const QString &accessibleName);

// The width the field needs to show text whole.
int AmountFieldWidth(const QLineEdit &field, const QString &text);

} // namespace penvaro::evaluation
