#pragma once

#include "bookingrecord.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace penvaro::core {

// The lengths a SEPA order allows, in characters: what a booking keeps of its texts.
inline constexpr std::size_t CategoryLength = 40;
inline constexpr std::size_t PartyLength = 70;
inline constexpr std::size_t PurposeLength = 140;

// The whole texts of a booking (UTF-8): from its details when it has them, otherwise the
// record's fields.
std::string CategoryText(const BookingRecord &record);
std::string PartyText(const BookingRecord &record);
std::string PurposeText(const BookingRecord &record);

// The first characters of a UTF-8 text.
std::string FirstCharacters(std::string_view text, std::size_t characters);

// Sets the three texts: the record's fields take what fits, the details the whole texts (cut to
// the lengths above). Details are kept only where they say more than the fields; the other
// party's account and the bank reference come from the given details.
void SetBookingTexts(BookingRecord &record, BookingDetails texts);

// The digest of the record's bytes as the account file holds them: what ties its details to
// it, so that a record another program changed loses them instead of taking someone else's.
std::uint64_t RecordDigest(const BookingRecord &record);

} // namespace penvaro::core
