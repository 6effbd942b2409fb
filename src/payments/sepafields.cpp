#include "sepafields.h"

#include "bankcodes.h"
#include "sepatransferpanel.h"

#include "core/sepacountries.h"
#include "core/sepatransfer.h"
#include "core/typedamount.h"
#include "platform/uiservice.h"

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

QString IbanCheckText(BankCodes &bankCodes, const QString &typed) {
    if (typed.trimmed().isEmpty())
        return {};
    const auto checked = bankCodes.checkIban(typed);
    if (!checked)
        return QString::fromStdString(checked.error().message);
    if (auto country = core::CheckSepaIbanCountry(checked->iban); !country)
        return QString::fromStdString(country.error().message);
    const QString name = QString::fromStdString(checked->bankName);
    return name.isEmpty() ? QStringLiteral("IBAN gültig")
                          : QStringLiteral("IBAN gültig: %1").arg(name);
}

void RefuseSepaField(platform::UiService &ui, std::int32_t code, const std::string &message,
                     QWidget *field) {
    platform::ShowError(ui, code, QString::fromStdString(message));
    if (field)
        field->setFocus(Qt::OtherFocusReason);
}

std::optional<CheckedSepaFields> CheckSepaFields(platform::UiService &ui, BankCodes &bankCodes,
                                                 const TypedSepaFields &typed,
                                                 EmptyAmount emptyAmount) {
    const auto refuse = [&ui](SepaTransferPanel::Message code, const std::string &message,
                              const TypedSepaField &field) {
        RefuseSepaField(ui, code, message, field.widget);
        return std::nullopt;
    };
    CheckedSepaFields checked;
    const auto name = core::CheckSepaName(typed.name.text.toStdString());
    if (!name)
        return refuse(SepaTransferPanel::NameMessage, name.error().message, typed.name);
    checked.name = *name;
    const auto iban = bankCodes.checkIban(typed.iban.text);
    if (!iban)
        return refuse(SepaTransferPanel::IbanMessage, iban.error().message, typed.iban);
    if (auto country = core::CheckSepaIbanCountry(iban->iban); !country)
        return refuse(SepaTransferPanel::IbanMessage, country.error().message, typed.iban);
    checked.iban = iban->iban;
    checked.bankName = QString::fromStdString(iban->bankName);
    const auto bic =
        core::CheckSepaBic(typed.bic.text.toStdString(), iban->iban.substr(0, 2), iban->bic);
    if (!bic)
        return refuse(SepaTransferPanel::BicMessage, bic.error().message, typed.bic);
    checked.bic = *bic;
    if (emptyAmount == EmptyAmount::Refused || !typed.amount.text.trimmed().isEmpty()) {
        const auto read = core::ReadTypedAmount(typed.amount.text.toStdString());
        if (!read)
            return refuse(SepaTransferPanel::AmountMessage, read.error().message, typed.amount);
        const auto amount = core::CheckSepaAmount(*read);
        if (!amount)
            return refuse(SepaTransferPanel::AmountMessage, amount.error().message, typed.amount);
        checked.amount = *amount;
    }
    const auto purpose = core::CheckSepaPurpose(typed.purpose.text.toStdString());
    if (!purpose)
        return refuse(SepaTransferPanel::PurposeMessage, purpose.error().message, typed.purpose);
    checked.purpose = *purpose;
    return checked;
}

} // namespace penvaro::payments
