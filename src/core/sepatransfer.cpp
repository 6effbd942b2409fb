#include "sepatransfer.h"

#include "bookingtexts.h"
#include "iban.h"
#include "sepacountries.h"
#include "textencoding.h"

#include <algorithm>

namespace penvaro::core {
namespace {

Error invalid(std::string message) {
    return {ErrorKind::Invalid, std::move(message)};
}

bool hasControlCharacter(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

Result<std::string> checkText(std::string_view text, std::string_view what, std::size_t limit) {
    if (const auto notUtf8 = InvalidUtf8Message(text, what))
        return invalid(*notUtf8);
    if (hasControlCharacter(text))
        return invalid(std::string(what)
                       + " darf keine Steuerzeichen (etwa Zeilenumbrüche) "
                         "enthalten.");
    if (Utf8Length(text) > limit)
        return invalid(std::string(what) + " darf höchstens " + std::to_string(limit)
                       + " Zeichen lang sein, dieser hat " + std::to_string(Utf8Length(text))
                       + ".");
    return std::string(text);
}

} // namespace

std::size_t Utf8Length(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

Result<std::string> CheckSepaName(std::string_view name) {
    if (name.find_first_not_of(' ') == std::string_view::npos)
        return invalid("Bitte geben Sie den Namen des Empfängers ein.");
    return checkText(name, "Der Name des Empfängers", SepaNameLength);
}

Result<std::string> CheckSepaPurpose(std::string_view purpose) {
    return checkText(purpose, "Der Verwendungszweck", SepaPurposeLength);
}

Result<std::int64_t> CheckSepaAmount(std::int64_t amount) {
    if (amount < SepaMinimumAmount || amount > SepaMaximumAmount)
        return invalid("Eine SEPA-Überweisung geht über 0,01 bis 999.999.999,99 Euro.");
    if (amount % 100 != 0)
        return invalid("Eine SEPA-Überweisung geht nur über ganze Cent.");
    return amount;
}

Result<std::string> CheckSepaBic(std::string_view bic, const std::string &ibanCountry,
                                 const std::string &bicFromFile) {
    if (ibanCountry == "DE" && !bicFromFile.empty())
        return bicFromFile;
    if (bic.find_first_not_of(' ') == std::string_view::npos) {
        if (!SepaNeedsBic(ibanCountry))
            return std::string();
        return invalid("Für ein Konto in " + ibanCountry
                       + " (außerhalb des EWR) geben Sie bitte den BIC seiner Bank ein.");
    }
    auto checked = CheckBic(bic);
    if (!checked)
        return checked;
    const std::string bicCountry = checked->substr(4, 2);
    if (!BicFitsIbanCountry(bicCountry, ibanCountry))
        return invalid("Der BIC " + *checked + " gehört zu einer Bank in " + bicCountry
                       + ", die IBAN zu einem Konto in " + ibanCountry
                       + ": Bitte prüfen Sie den BIC.");
    return checked;
}

Result<SepaTransfer> CheckSepaTransfer(const SepaTransfer &typed, const BankCodeList &banks,
                                       const AccountMethodCheck &methods) {
    SepaTransfer checked = typed;
    if (auto name = CheckSepaName(typed.name); !name)
        return name.error();
    const auto iban = CheckIban(typed.iban, banks, methods);
    if (!iban)
        return iban.error();
    checked.iban = iban->iban;
    if (auto country = CheckSepaIbanCountry(iban->iban); !country)
        return country.error();
    const auto bic = CheckSepaBic(typed.bic, iban->iban.substr(0, 2), iban->bic);
    if (!bic)
        return bic.error();
    checked.bic = *bic;
    if (auto amount = CheckSepaAmount(typed.amount); !amount)
        return amount.error();
    if (auto purpose = CheckSepaPurpose(typed.purpose); !purpose)
        return purpose.error();
    return checked;
}

std::string SepaAmountText(std::int64_t amount) {
    const std::int64_t cents = amount / 100;
    const std::string fraction = std::to_string(cents % 100);
    return std::to_string(cents / 100) + "." + (fraction.size() < 2 ? "0" : "") + fraction;
}

std::string GermanAmountText(std::int64_t amount) {
    const std::string euros = std::to_string(amount / 10000);
    std::string grouped;
    for (std::size_t i = 0; i < euros.size(); ++i) {
        if (i > 0 && (euros.size() - i) % 3 == 0)
            grouped += '.';
        grouped += euros[i];
    }
    const std::string cents = std::to_string(amount / 100 % 100);
    return grouped + "," + (cents.size() < 2 ? "0" : "") + cents;
}

BookingRecord SepaBooking(const SepaTransfer &transfer, double today) {
    BookingRecord record;
    record.Satzart = BookingKind::Planned;
    record.Wertdatum = transfer.execution > 0 ? transfer.execution : today;
    SetBookingTexts(record,
                    {"ÜB", transfer.name, transfer.purpose, transfer.iban, transfer.bic, {}});
    record.SollHaben = u'-';
    record.Betrag = transfer.amount;
    return record;
}

} // namespace penvaro::core
