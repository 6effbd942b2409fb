#include "sepafields.h"

#include "bankcodes.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace penvaro::payments {

QLineEdit *AddSepaField(QFormLayout &form, QWidget *parent, const char *name,
                        const QString &caption, int maxLength, const QString &hint) {
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(maxLength);
    edit->setPlaceholderText(hint);
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QStringLiteral("L") + edit->objectName().mid(1));
    label->setBuddy(edit);
    form.addRow(label, edit);
    return edit;
}

QLabel *IbanCheckLabel(QWidget *parent) {
    auto *label = new QLabel(parent);
    label->setObjectName(QStringLiteral("LIBANPruefung"));
    label->setWordWrap(true);
    label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    return label;
}

QString IbanCheckText(BankCodes &bankCodes, const QString &typed, QString *bankName) {
    if (bankName)
        bankName->clear();
    if (typed.trimmed().isEmpty())
        return {};
    const auto checked = bankCodes.checkIban(typed);
    if (!checked)
        return QString::fromStdString(checked.error().message);
    const QString name = QString::fromStdString(checked->bankName);
    if (bankName)
        *bankName = name;
    return name.isEmpty() ? QStringLiteral("IBAN gültig")
                          : QStringLiteral("IBAN gültig: %1").arg(name);
}

} // namespace penvaro::payments
