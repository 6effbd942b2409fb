#include "amountfield.h"

#include <QLineEdit>

namespace penvaro::evaluation {

QLineEdit *AmountField(QWidget *parent, const char *name, const QString &accessibleName) {
    auto *field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignRight);
    field->setAccessibleName(accessibleName);
    field->setMinimumWidth(AmountFieldWidth(*field, QStringLiteral("-9.999,99 €")));
    return field;
}

int AmountFieldWidth(const QLineEdit &field, const QString &text) {
    // The field's frame and its text margins.
    constexpr int frameAndMargins = 16;
    return field.fontMetrics().horizontalAdvance(text) + frameAndMargins;
}

} // namespace penvaro::evaluation
