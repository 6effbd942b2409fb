#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <string>

class QFormLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace penvaro::platform {
class UiService;
} // namespace penvaro::platform

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
// refused or "IBAN gültig" with the bank's name.
QString IbanCheckText(BankCodes &bankCodes, const QString &typed);

// A field's text as the form hands it over, with the widget that gets the focus if it is refused.
struct TypedSepaField {
    QString text;
    QWidget *widget;
};

// The fields a SEPA transfer and its saved template have in common.
struct TypedSepaFields {
    TypedSepaField name;
    TypedSepaField iban;
    TypedSepaField bic;
    TypedSepaField amount;
    TypedSepaField purpose;
};

struct CheckedSepaFields {
    std::string name;
    std::string iban; // electronic form
    std::string bic;
    std::optional<std::int64_t> amount; // none when it may be left empty and was
    std::string purpose;
    QString bankName; // of the IBAN's bank, as far as the bank code file knows it
};

// A template may leave the amount to be typed when it is paid; a transfer may not.
enum class EmptyAmount { Refused, Allowed };

// Shows the message of a field that cannot be used and gives the field, if any, the focus.
void RefuseSepaField(platform::UiService &ui, std::int32_t code, const std::string &message,
                     QWidget *field);

// One check for the transfer and its template, so that a saved template is never one the
// transfer then refuses to pay. The fields are checked in the order of the form; the first that
// fails is refused with the transfer's message number for it.
std::optional<CheckedSepaFields> CheckSepaFields(platform::UiService &ui, BankCodes &bankCodes,
                                                 const TypedSepaFields &typed,
                                                 EmptyAmount emptyAmount);

} // namespace penvaro::payments
