#pragma once

#include "shorttext.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace penvaro::core {

// The value of Satzart. A damaged file may hold any other byte; it is kept as read.
enum class BookingKind : std::uint8_t {
    StartValue = 0,
    Completed = 1,
    Planned = 2,
    Recurring = 4,
    Empty = 6,
};

// What a booking holds beyond its record: the three texts at full length (the record keeps
// them cut to its fields) and what a bank statement said of the other party. Kept in the
// account's companion file; shared between copies of the record, never changed in place.
struct BookingDetails {
    std::string category;
    std::string party;
    std::string purpose;
    std::string partyIban;
    std::string partyBic;
    std::string bankReference;

    friend bool operator==(const BookingDetails &, const BookingDetails &) = default;
};

// The fields in memory need not follow the file's layout (the codecs below go field by
// field): the ones that order and sum the table come first, so that a walk over 50,000
// records reads one cache line of each instead of three.
struct BookingRecord {
    BookingKind Satzart = BookingKind::Empty;
    char16_t SollHaben = u'+';
    std::uint16_t Auszugsjahr = 0; // kind 4: interval in months
    std::uint16_t Auszugsnr = 0;   // kind 4: day of the month the booking falls due
    std::int64_t Betrag = 0;       // ten-thousandths of a euro
    double Auszugsdatum = 0.0;
    double Wertdatum = 0.0; // kind 4: first due date
    double Buchungsdatum = 0.0;
    ShortText<10> Buchungsart;
    ShortText<30> Absender;
    ShortText<50> Verwendungszweck;
    // None when the fields hold the whole texts and nothing else is known.
    std::shared_ptr<const BookingDetails> details;

    friend bool operator==(const BookingRecord &a, const BookingRecord &b);
};

inline constexpr std::size_t BookingRecordSize = 132;
inline constexpr std::size_t LegacyBookingRecordSize = 140;

// Field-by-field little-endian codecs, independent of how the compiler lays out the struct.
// Texts are copied as they stand; scrambling is a separate step (ScrambleTexts).
void EncodeBookingRecord(const BookingRecord &record,
                         std::span<std::uint8_t, BookingRecordSize> out);
BookingRecord DecodeBookingRecord(std::span<const std::uint8_t, BookingRecordSize> in);
void EncodeLegacyBookingRecord(const BookingRecord &record,
                               std::span<std::uint8_t, LegacyBookingRecordSize> out);
BookingRecord DecodeLegacyBookingRecord(std::span<const std::uint8_t, LegacyBookingRecordSize> in);

inline constexpr std::uint8_t ScrambleKey = 0x9F;

// Reversible transform of the three texts between memory and disk; applying it twice gives the
// original. Blanks stay blanks, so the byte whose image is the blank (0x7F) reads back as one.
void ScrambleTexts(BookingRecord &record);

} // namespace penvaro::core
