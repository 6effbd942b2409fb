#include "savedtransferrecord.h"

#include "bytecodec.h"
#include "typedamount.h"

#include <algorithm>
#include <cstring>

namespace penvaro::core {
namespace {

constexpr std::size_t formularOffset = 0;
constexpr std::size_t auftraggeberBankOffset = 2;
constexpr std::size_t auftraggeberBlzOffset = 53;
constexpr std::size_t empfaengerOffset = 64;
constexpr std::size_t empfaengerKontonrOffset = 115;
constexpr std::size_t empfaengerBlzOffset = 136;
constexpr std::size_t waehrungOffset = 147;
constexpr std::size_t betragTextOffset = 158;
constexpr std::size_t verwendung1Offset = 174;
constexpr std::size_t verwendung2Offset = 225;
constexpr std::size_t auftraggeberOffset = 276;
constexpr std::size_t eigeneKontonrOffset = 327;
constexpr std::size_t anschriftweitergabeOffset = 348;
constexpr std::size_t ausfuehrungsdatumOffset = 349;
constexpr std::size_t reservedOffset = 360;

static_assert(
    reservedOffset
        + std::tuple_size_v<decltype(SavedTransferRecord::reserved)> == SavedTransferRecordSize);

struct TextField {
    std::size_t offset;
    std::size_t capacity;
};

constexpr TextField textFields[] = {
    {auftraggeberBankOffset, 50},  {auftraggeberBlzOffset, 10}, {empfaengerOffset, 50},
    {empfaengerKontonrOffset, 20}, {empfaengerBlzOffset, 10},   {waehrungOffset, 10},
    {betragTextOffset, 15},        {verwendung1Offset, 50},     {verwendung2Offset, 50},
    {auftraggeberOffset, 50},      {eigeneKontonrOffset, 20},   {ausfuehrungsdatumOffset, 10},
};

} // namespace

std::optional<RecordDamage>
FindSavedTransferDamage(std::span<const std::uint8_t, SavedTransferRecordSize> span) {
    const std::uint8_t *in = span.data();
    const auto formular =
        static_cast<std::int16_t>(GetLittleEndian<std::uint16_t>(in + formularOffset));
    if (!IsPaymentFormType(formular))
        return RecordDamage{formularOffset,
                            "Formularnummer " + std::to_string(formular) + " ist unbekannt"};
    for (const TextField &field : textFields) {
        if (in[field.offset] > field.capacity)
            return RecordDamage{field.offset, "Länge " + std::to_string(in[field.offset])
                                                  + " größer als das Feld ("
                                                  + std::to_string(field.capacity) + ")"};
    }
    return std::nullopt;
}

bool IsPaymentFormType(std::int16_t code) {
    return code == SepaTemplateForm
           || std::find(PaymentFormTypes.begin(), PaymentFormTypes.end(), code)
                  != PaymentFormTypes.end();
}

void EncodeSavedTransferRecord(const SavedTransferRecord &r,
                               std::span<std::uint8_t, SavedTransferRecordSize> span) {
    std::uint8_t *out = span.data();
    PutLittleEndian(out + formularOffset, static_cast<std::uint16_t>(r.Formular));
    PutShortText(out + auftraggeberBankOffset, r.AuftraggeberBank);
    PutShortText(out + auftraggeberBlzOffset, r.AuftraggeberBLZ);
    PutShortText(out + empfaengerOffset, r.Empfaenger);
    PutShortText(out + empfaengerKontonrOffset, r.EmpfaengerKontonr);
    PutShortText(out + empfaengerBlzOffset, r.EmpfaengerBLZ);
    PutShortText(out + waehrungOffset, r.Waehrung);
    PutShortText(out + betragTextOffset, r.BetragText);
    PutShortText(out + verwendung1Offset, r.Verwendung1);
    PutShortText(out + verwendung2Offset, r.Verwendung2);
    PutShortText(out + auftraggeberOffset, r.Auftraggeber);
    PutShortText(out + eigeneKontonrOffset, r.EigeneKontonr);
    out[anschriftweitergabeOffset] = r.Anschriftweitergabe;
    PutShortText(out + ausfuehrungsdatumOffset, r.Ausfuehrungsdatum);
    std::memcpy(out + reservedOffset, r.reserved.data(), r.reserved.size());
}

SavedTransferRecord
DecodeSavedTransferRecord(std::span<const std::uint8_t, SavedTransferRecordSize> span) {
    const std::uint8_t *in = span.data();
    SavedTransferRecord r;
    r.Formular = static_cast<std::int16_t>(GetLittleEndian<std::uint16_t>(in + formularOffset));
    GetShortText(in + auftraggeberBankOffset, r.AuftraggeberBank);
    GetShortText(in + auftraggeberBlzOffset, r.AuftraggeberBLZ);
    GetShortText(in + empfaengerOffset, r.Empfaenger);
    GetShortText(in + empfaengerKontonrOffset, r.EmpfaengerKontonr);
    GetShortText(in + empfaengerBlzOffset, r.EmpfaengerBLZ);
    GetShortText(in + waehrungOffset, r.Waehrung);
    GetShortText(in + betragTextOffset, r.BetragText);
    GetShortText(in + verwendung1Offset, r.Verwendung1);
    GetShortText(in + verwendung2Offset, r.Verwendung2);
    GetShortText(in + auftraggeberOffset, r.Auftraggeber);
    GetShortText(in + eigeneKontonrOffset, r.EigeneKontonr);
    r.Anschriftweitergabe = in[anschriftweitergabeOffset];
    GetShortText(in + ausfuehrungsdatumOffset, r.Ausfuehrungsdatum);
    std::memcpy(r.reserved.data(), in + reservedOffset, r.reserved.size());
    return r;
}

bool SameTransfer(const SavedTransferRecord &a, const SavedTransferRecord &b) {
    const auto amountA = ReadTypedAmount(a.BetragText.toUtf8());
    const auto amountB = ReadTypedAmount(b.BetragText.toUtf8());
    const bool sameAmount =
        amountA && amountB ? *amountA == *amountB : a.BetragText == b.BetragText;
    return sameAmount && a.Empfaenger == b.Empfaenger && a.EmpfaengerKontonr == b.EmpfaengerKontonr
           && a.EmpfaengerBLZ == b.EmpfaengerBLZ && a.Verwendung1 == b.Verwendung1
           && a.Verwendung2 == b.Verwendung2;
}

} // namespace penvaro::core
