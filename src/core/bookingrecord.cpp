#include "bookingrecord.h"

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

template<typename Unsigned>
void putLittleEndian(std::uint8_t *out, Unsigned value) {
    for (std::size_t i = 0; i < sizeof(Unsigned); ++i)
        out[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

template<typename Unsigned>
Unsigned getLittleEndian(const std::uint8_t *in) {
    Unsigned value = 0;
    for (std::size_t i = 0; i < sizeof(Unsigned); ++i)
        value = static_cast<Unsigned>(value | (static_cast<Unsigned>(in[i]) << (8 * i)));
    return value;
}

template<std::size_t N>
void putText(std::uint8_t *out, const ShortText<N> &text) {
    out[0] = text.length;
    std::memcpy(out + 1, text.chars.data(), N);
}

template<std::size_t N>
void getText(const std::uint8_t *in, ShortText<N> &text) {
    text.length = in[0];
    std::memcpy(text.chars.data(), in + 1, N);
}

void encode(const BookingRecord &r, const RecordLayout &layout, std::uint8_t *out) {
    out[layout.satzart] = static_cast<std::uint8_t>(r.Satzart);
    putLittleEndian(out + layout.auszugsjahr, r.Auszugsjahr);
    putLittleEndian(out + layout.auszugsnr, r.Auszugsnr);
    putLittleEndian(out + layout.auszugsdatum, std::bit_cast<std::uint64_t>(r.Auszugsdatum));
    putLittleEndian(out + layout.wertdatum, std::bit_cast<std::uint64_t>(r.Wertdatum));
    putText(out + layout.buchungsart, r.Buchungsart);
    putText(out + layout.absender, r.Absender);
    putText(out + layout.verwendungszweck, r.Verwendungszweck);
    putLittleEndian(out + layout.buchungsdatum, std::bit_cast<std::uint64_t>(r.Buchungsdatum));
    putLittleEndian(out + layout.sollHaben, static_cast<std::uint16_t>(r.SollHaben));
    putLittleEndian(out + layout.betrag, static_cast<std::uint64_t>(r.Betrag));
}

BookingRecord decode(const std::uint8_t *in, const RecordLayout &layout) {
    BookingRecord r;
    r.Satzart = static_cast<BookingKind>(in[layout.satzart]);
    r.Auszugsjahr = getLittleEndian<std::uint16_t>(in + layout.auszugsjahr);
    r.Auszugsnr = getLittleEndian<std::uint16_t>(in + layout.auszugsnr);
    r.Auszugsdatum =
        std::bit_cast<double>(getLittleEndian<std::uint64_t>(in + layout.auszugsdatum));
    r.Wertdatum = std::bit_cast<double>(getLittleEndian<std::uint64_t>(in + layout.wertdatum));
    getText(in + layout.buchungsart, r.Buchungsart);
    getText(in + layout.absender, r.Absender);
    getText(in + layout.verwendungszweck, r.Verwendungszweck);
    r.Buchungsdatum =
        std::bit_cast<double>(getLittleEndian<std::uint64_t>(in + layout.buchungsdatum));
    r.SollHaben = static_cast<char16_t>(getLittleEndian<std::uint16_t>(in + layout.sollHaben));
    r.Betrag = static_cast<std::int64_t>(getLittleEndian<std::uint64_t>(in + layout.betrag));
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

} // namespace penvaro::core
