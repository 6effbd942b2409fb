#include "bookingrecord.h"

#include "bytecodec.h"

#include <bit>
#include <cstring>

namespace penvaro::core {
namespace {

// Byte offsets of the fields; the two editions hold the same fields, the older one aligned.
struct RecordLayout {
    std::size_t satzart;
    std::size_t auszugsjahr;
    std::size_t auszugsnr;
    std::size_t auszugsdatum;
    std::size_t wertdatum;
    std::size_t buchungsart;
    std::size_t absender;
    std::size_t verwendungszweck;
    std::size_t buchungsdatum;
    std::size_t sollHaben;
    std::size_t betrag;
};

constexpr RecordLayout currentLayout{0, 1, 3, 5, 13, 21, 32, 63, 114, 122, 124};
constexpr RecordLayout legacyLayout{0, 2, 4, 8, 16, 24, 35, 66, 120, 128, 132};

void encode(const BookingRecord &r, const RecordLayout &layout, std::uint8_t *out) {
    out[layout.satzart] = static_cast<std::uint8_t>(r.Satzart);
    PutLittleEndian(out + layout.auszugsjahr, r.Auszugsjahr);
    PutLittleEndian(out + layout.auszugsnr, r.Auszugsnr);
    PutLittleEndian(out + layout.auszugsdatum, std::bit_cast<std::uint64_t>(r.Auszugsdatum));
    PutLittleEndian(out + layout.wertdatum, std::bit_cast<std::uint64_t>(r.Wertdatum));
    PutShortText(out + layout.buchungsart, r.Buchungsart);
    PutShortText(out + layout.absender, r.Absender);
    PutShortText(out + layout.verwendungszweck, r.Verwendungszweck);
    PutLittleEndian(out + layout.buchungsdatum, std::bit_cast<std::uint64_t>(r.Buchungsdatum));
    PutLittleEndian(out + layout.sollHaben, static_cast<std::uint16_t>(r.SollHaben));
    PutLittleEndian(out + layout.betrag, static_cast<std::uint64_t>(r.Betrag));
}

BookingRecord decode(const std::uint8_t *in, const RecordLayout &layout) {
    BookingRecord r;
    r.Satzart = static_cast<BookingKind>(in[layout.satzart]);
    r.Auszugsjahr = GetLittleEndian<std::uint16_t>(in + layout.auszugsjahr);
    r.Auszugsnr = GetLittleEndian<std::uint16_t>(in + layout.auszugsnr);
    r.Auszugsdatum =
        std::bit_cast<double>(GetLittleEndian<std::uint64_t>(in + layout.auszugsdatum));
    r.Wertdatum = std::bit_cast<double>(GetLittleEndian<std::uint64_t>(in + layout.wertdatum));
    GetShortText(in + layout.buchungsart, r.Buchungsart);
    GetShortText(in + layout.absender, r.Absender);
    GetShortText(in + layout.verwendungszweck, r.Verwendungszweck);
    r.Buchungsdatum =
        std::bit_cast<double>(GetLittleEndian<std::uint64_t>(in + layout.buchungsdatum));
    r.SollHaben = static_cast<char16_t>(GetLittleEndian<std::uint16_t>(in + layout.sollHaben));
    r.Betrag = static_cast<std::int64_t>(GetLittleEndian<std::uint64_t>(in + layout.betrag));
    return r;
}

// Returns false when the length byte exceeds the capacity: the fields after it stay as they
// are, on save and load alike, so such a record survives a round trip unchanged.
template<std::size_t N>
bool scramble(ShortText<N> &text) {
    for (std::size_t i = 0; i < text.usedLength(); ++i) {
        if (text.chars[i] != ' ')
            text.chars[i] = static_cast<std::uint8_t>(ScrambleKey - text.chars[i]);
    }
    return text.length <= N;
}

} // namespace

void EncodeBookingRecord(const BookingRecord &record,
                         std::span<std::uint8_t, BookingRecordSize> out) {
    encode(record, currentLayout, out.data());
}

BookingRecord DecodeBookingRecord(std::span<const std::uint8_t, BookingRecordSize> in) {
    return decode(in.data(), currentLayout);
}

void EncodeLegacyBookingRecord(const BookingRecord &record,
                               std::span<std::uint8_t, LegacyBookingRecordSize> out) {
    std::memset(out.data(), 0, out.size());
    encode(record, legacyLayout, out.data());
}

BookingRecord DecodeLegacyBookingRecord(std::span<const std::uint8_t, LegacyBookingRecordSize> in) {
    return decode(in.data(), legacyLayout);
}

void ScrambleTexts(BookingRecord &record) {
    if (scramble(record.Buchungsart) && scramble(record.Absender))
        scramble(record.Verwendungszweck);
}

bool operator==(const BookingRecord &a, const BookingRecord &b) {
    const bool sameDetails =
        a.details == b.details || (a.details && b.details && *a.details == *b.details);
    return sameDetails && a.Satzart == b.Satzart && a.SollHaben == b.SollHaben
           && a.Auszugsjahr == b.Auszugsjahr && a.Auszugsnr == b.Auszugsnr && a.Betrag == b.Betrag
           && a.Auszugsdatum == b.Auszugsdatum && a.Wertdatum == b.Wertdatum
           && a.Buchungsdatum == b.Buchungsdatum && a.Buchungsart == b.Buchungsart
           && a.Absender == b.Absender && a.Verwendungszweck == b.Verwendungszweck;
}

} // namespace penvaro::core
