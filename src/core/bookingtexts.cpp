#include "bookingtexts.h"

#include "bookingtable.h"

#include <array>

namespace penvaro::core {
namespace {

template<std::size_t N>
std::string wholeText(const ShortText<N> &field, const std::string *full) {
    return full ? *full : field.toUtf8();
}

bool isContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

std::string CategoryText(const BookingRecord &record) {
    return wholeText(record.Buchungsart, record.details ? &record.details->category : nullptr);
}

std::string PartyText(const BookingRecord &record) {
    return wholeText(record.Absender, record.details ? &record.details->party : nullptr);
}

std::string PurposeText(const BookingRecord &record) {
    return wholeText(record.Verwendungszweck, record.details ? &record.details->purpose : nullptr);
}

std::string FirstCharacters(std::string_view text, std::size_t characters) {
    std::size_t at = 0;
    for (std::size_t seen = 0; at < text.size(); ++at) {
        if (!isContinuation(text[at]) && seen++ == characters)
            break;
    }
    return std::string(text.substr(0, at));
}

void SetBookingTexts(BookingRecord &record, BookingDetails texts) {
    texts.category = FirstCharacters(texts.category, CategoryLength);
    texts.party = FirstCharacters(texts.party, PartyLength);
    texts.purpose = FirstCharacters(texts.purpose, PurposeLength);
    record.Buchungsart.setUtf8(texts.category);
    record.Absender.setUtf8(texts.party);
    record.Verwendungszweck.setUtf8(texts.purpose);
    // A text the field holds whole reads back the same from it; only what is cut, or what the
    // record has no field for, needs the details.
    const bool whole = record.Buchungsart.toUtf8() == texts.category
                       && record.Absender.toUtf8() == texts.party
                       && record.Verwendungszweck.toUtf8() == texts.purpose;
    if (whole && texts.partyIban.empty() && texts.partyBic.empty() && texts.bankReference.empty())
        record.details.reset();
    else
        record.details = std::make_shared<const BookingDetails>(std::move(texts));
}

std::uint64_t RecordDigest(const BookingRecord &record) {
    BookingRecord scrambled = record;
    ScrambleTexts(scrambled);
    std::array<std::uint8_t, BookingRecordSize> bytes{};
    EncodeBookingRecord(scrambled, bytes);
    return RecordBytesDigest(bytes);
}

} // namespace penvaro::core
