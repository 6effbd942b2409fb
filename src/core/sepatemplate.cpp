#include "sepatemplate.h"

#include "cp1252.h"

#include <algorithm>
#include <cstring>

namespace penvaro::core {
namespace {

// Where IBAN and BIC lie in the reserved bytes: a length byte and the characters.
constexpr std::size_t ibanAt = 0, ibanCapacity = 34;
constexpr std::size_t bicAt = ibanAt + 1 + ibanCapacity, bicCapacity = 11;

// Puts the next part of a Windows-1252 text into the field and returns the rest.
template<std::size_t N>
std::string fill(ShortText<N> &field, const std::string &text) {
    const std::size_t n = std::min(text.size(), N);
    std::memcpy(field.chars.data(), text.data(), n);
    field.length = static_cast<std::uint8_t>(n);
    return text.substr(n);
}

template<std::size_t N>
std::string bytes(const ShortText<N> &field) {
    return std::string(reinterpret_cast<const char *>(field.chars.data()), field.usedLength());
}

void putReserved(SavedTransferRecord &record, std::size_t at, std::size_t capacity,
                 const std::string &text) {
    const std::size_t n = std::min(text.size(), capacity);
    record.reserved[at] = static_cast<std::uint8_t>(n);
    std::memcpy(record.reserved.data() + at + 1, text.data(), n);
}

std::string getReserved(const SavedTransferRecord &record, std::size_t at, std::size_t capacity) {
    const std::size_t n = std::min<std::size_t>(record.reserved[at], capacity);
    return std::string(reinterpret_cast<const char *>(record.reserved.data() + at + 1), n);
}

} // namespace

SavedTransferRecord SepaTemplateRecord(const SepaTemplate &sepa) {
    SavedTransferRecord record;
    record.Formular = SepaTemplateForm;
    fill(record.Auftraggeber, fill(record.Empfaenger, Utf8ToCp1252(sepa.name)));
    fill(record.AuftraggeberBank,
         fill(record.Verwendung2, fill(record.Verwendung1, Utf8ToCp1252(sepa.purpose))));
    record.Waehrung.setUtf8("EUR");
    record.BetragText.setUtf8(sepa.amount);
    record.Ausfuehrungsdatum.setUtf8(sepa.execution);
    putReserved(record, ibanAt, ibanCapacity, Utf8ToCp1252(sepa.iban));
    putReserved(record, bicAt, bicCapacity, Utf8ToCp1252(sepa.bic));
    return record;
}

SepaTemplate SepaTemplateOf(const SavedTransferRecord &record) {
    return {Cp1252ToUtf8(bytes(record.Empfaenger) + bytes(record.Auftraggeber)),
            Cp1252ToUtf8(getReserved(record, ibanAt, ibanCapacity)),
            Cp1252ToUtf8(getReserved(record, bicAt, bicCapacity)),
            record.BetragText.toUtf8(),
            Cp1252ToUtf8(bytes(record.Verwendung1) + bytes(record.Verwendung2)
                         + bytes(record.AuftraggeberBank)),
            record.Ausfuehrungsdatum.toUtf8()};
}

} // namespace penvaro::core
