#include "support/records.h"

#include "core/bookingrecord.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstring>

using namespace penvaro;
using core::BookingRecord;

namespace {

BookingRecord distinctRecord() {
    BookingRecord r;
    r.Satzart = core::BookingKind::Completed;
    r.Auszugsjahr = 0x07DB; // 2011
    r.Auszugsnr = 0x0102;
    r.Auszugsdatum = 40544.0;
    r.Wertdatum = 40545.0;
    r.Buchungsart.setUtf8("Gutschrift");
    r.Absender.setUtf8("Müller");
    r.Verwendungszweck.setUtf8("Miete Januar");
    r.Buchungsdatum = 40546.0;
    r.SollHaben = u'-';
    r.Betrag = -0x0102030405060708;
    return r;
}

std::array<std::uint8_t, 8> doubleBytes(double d) {
    std::array<std::uint8_t, 8> out{};
    const auto bits = std::bit_cast<std::uint64_t>(d);
    for (int i = 0; i < 8; ++i)
        out[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(bits >> (8 * i));
    return out;
}

struct FieldAt {
    const char *field;
    std::size_t current;
    std::size_t legacy;
    std::vector<std::uint8_t> bytes;
};

std::vector<FieldAt> expectedFields() {
    const BookingRecord r = distinctRecord();
    auto d = [](double v) {
        const auto a = doubleBytes(v);
        return std::vector<std::uint8_t>(a.begin(), a.end());
    };
    const std::uint64_t betrag = static_cast<std::uint64_t>(r.Betrag);
    std::vector<std::uint8_t> betragBytes;
    for (int i = 0; i < 8; ++i)
        betragBytes.push_back(static_cast<std::uint8_t>(betrag >> (8 * i)));
    return {
        {"Satzart", 0, 0, {1}},
        {"Auszugsjahr", 1, 2, {0xDB, 0x07}},
        {"Auszugsnr", 3, 4, {0x02, 0x01}},
        {"Auszugsdatum", 5, 8, d(40544.0)},
        {"Wertdatum", 13, 16, d(40545.0)},
        {"Buchungsart", 21, 24, {10, 'G', 'u', 't', 's', 'c', 'h', 'r', 'i', 'f', 't'}},
        {"Absender", 32, 35, {6, 'M', 0xFC, 'l', 'l', 'e', 'r'}},
        {"Verwendungszweck", 63, 66, {12, 'M', 'i', 'e', 't', 'e', ' ', 'J', 'a', 'n'}},
        {"Buchungsdatum", 114, 120, d(40546.0)},
        {"SollHaben", 122, 128, {0x2D, 0x00}},
        {"Betrag", 124, 132, betragBytes},
    };
}

} // namespace

TEST(BookingRecordLayout, FieldsSitAtTheirOffsetsLittleEndian) {
    std::array<std::uint8_t, core::BookingRecordSize> current{};
    std::array<std::uint8_t, core::LegacyBookingRecordSize> legacy{};
    core::EncodeBookingRecord(distinctRecord(), current);
    core::EncodeLegacyBookingRecord(distinctRecord(), legacy);
    for (const FieldAt &f : expectedFields()) {
        SCOPED_TRACE(f.field);
        EXPECT_EQ(0, std::memcmp(current.data() + f.current, f.bytes.data(), f.bytes.size()));
        EXPECT_EQ(0, std::memcmp(legacy.data() + f.legacy, f.bytes.data(), f.bytes.size()));
    }
}

TEST(BookingRecordLayout, DecodeReversesEncodeInBothLayouts) {
    const BookingRecord r = distinctRecord();
    std::array<std::uint8_t, core::BookingRecordSize> current{};
    std::array<std::uint8_t, core::LegacyBookingRecordSize> legacy{};
    core::EncodeBookingRecord(r, current);
    core::EncodeLegacyBookingRecord(r, legacy);
    EXPECT_EQ(r, core::DecodeBookingRecord(current));
    EXPECT_EQ(r, core::DecodeLegacyBookingRecord(legacy));
}

TEST(ShortText, CutsToCapacityAndReplacesWhatWindows1252CannotHold) {
    core::ShortText<10> text;
    text.setUtf8("Lastschrift Strom");
    EXPECT_EQ(10, text.length);
    EXPECT_EQ("Lastschrif", text.toUtf8());

    text.setUtf8("€ 😀 ä");
    EXPECT_EQ("€ ? ä", text.toUtf8());
    EXPECT_EQ(0x80, text.chars[0]);
}

TEST(ScrambleTexts, IsItsOwnInverseAndLeavesBlanksAndLengthsAlone) {
    BookingRecord r = distinctRecord();
    const BookingRecord plain = r;
    core::ScrambleTexts(r);
    EXPECT_EQ(plain.Absender.length, r.Absender.length);
    EXPECT_EQ(0x9F - 'M', r.Absender.chars[0]);
    EXPECT_EQ(' ', r.Verwendungszweck.chars[5]);
    EXPECT_NE(plain.Verwendungszweck, r.Verwendungszweck);
    core::ScrambleTexts(r);
    EXPECT_EQ(plain, r);
}

TEST(ScrambleTexts, OverlongLengthStopsTheRestOfTheRecord) {
    BookingRecord r = distinctRecord();
    r.Absender.length = 200;
    const BookingRecord before = r;
    core::ScrambleTexts(r);
    EXPECT_NE(before.Buchungsart, r.Buchungsart);
    for (std::size_t i = 0; i < r.Absender.capacity; ++i) {
        if (before.Absender.chars[i] != ' ') {
            EXPECT_NE(before.Absender.chars[i], r.Absender.chars[i]) << i;
        }
    }
    EXPECT_EQ(before.Verwendungszweck, r.Verwendungszweck);
    core::ScrambleTexts(r);
    EXPECT_EQ(before, r);
}
