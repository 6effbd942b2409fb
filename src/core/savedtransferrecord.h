#pragma once

#include "shorttext.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace penvaro::core {

// The bank form numbers of transfer-type orders (PaymentFormType).
inline constexpr std::array<std::int16_t, 7> PaymentFormTypes = {5, 16, 18, 20, 24, 51, 99};
// The number a saved SEPA transfer carries instead of a bank form number.
inline constexpr std::int16_t SepaTemplateForm = 1;
// A form number a saved transfer may carry: a bank form's or the SEPA transfer's.
bool IsPaymentFormType(std::int16_t code);

// A saved transfer ("Überweisungsvorlage"): everything of the transfer page except the
// recipient's bank name, which is looked up from the bank code whenever it is shown. Texts
// are cut to their fields when the record is built (ShortText::setUtf8).
struct SavedTransferRecord {
    std::int16_t Formular = 20; // a PaymentFormType; 0 marks a deleted record
    ShortText<50> AuftraggeberBank;
    ShortText<10> AuftraggeberBLZ;
    ShortText<50> Empfaenger;
    ShortText<20> EmpfaengerKontonr;
    ShortText<10> EmpfaengerBLZ;
    ShortText<10> Waehrung;
    ShortText<15> BetragText; // the amount as typed, 12,5 stays 12,5
    ShortText<50> Verwendung1;
    ShortText<50> Verwendung2;
    ShortText<50> Auftraggeber;
    ShortText<20> EigeneKontonr;
    std::uint8_t Anschriftweitergabe = 0; // non-zero: the ordering party's address is passed on
    ShortText<10> Ausfuehrungsdatum;
    // Zero in new records; kept as read so that a rewrite does not lose what another edition
    // stored there.
    std::array<std::uint8_t, 102> reserved{};

    friend bool operator==(const SavedTransferRecord &, const SavedTransferRecord &) = default;
};

inline constexpr std::size_t SavedTransferRecordSize = 462;

// Whether two saved transfers pay the same: recipient, account number, bank code, amount and
// purpose. Amounts compare by their value when both can be read, so "12,5" equals "12,50".
bool SameTransfer(const SavedTransferRecord &a, const SavedTransferRecord &b);

// Packed little-endian layout, texts as a length byte and the full field.
void EncodeSavedTransferRecord(const SavedTransferRecord &record,
                               std::span<std::uint8_t, SavedTransferRecordSize> out);
SavedTransferRecord
DecodeSavedTransferRecord(std::span<const std::uint8_t, SavedTransferRecordSize> in);

// What makes stored bytes unusable as a saved transfer: a form number the program does not
// print, or a text length beyond its field. The program never writes either.
struct RecordDamage {
    std::size_t offset; // within the record
    std::string reason; // German
};
std::optional<RecordDamage>
FindSavedTransferDamage(std::span<const std::uint8_t, SavedTransferRecordSize> in);

} // namespace penvaro::core
