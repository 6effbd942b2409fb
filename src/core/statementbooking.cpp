#include "statementbooking.h"

#include "date.h"

#include <algorithm>
#include <string>

namespace penvaro::core {
namespace {

template<std::size_t N>
ShortText<N> fieldText(std::string_view utf8) {
    std::string text(utf8);
    // A tab or line break from the bank would split the lines of every listing of the booking.
    std::replace_if(
        text.begin(), text.end(),
        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7F'; }, ' ');
    ShortText<N> field;
    field.setUtf8(text);
    while (field.length > 0 && field.chars[field.length - 1u] == ' ')
        field.chars[--field.length] = 0;
    return field;
}

} // namespace

BookingRecord CompletedBookingFromEntry(const Statement &statement, const StatementEntry &entry) {
    BookingRecord record;
    record.Satzart = BookingKind::Completed;
    const auto date = CivilFromDayCount(statement.date);
    record.Auszugsjahr = date ? static_cast<std::uint16_t>(date->year) : 0;
    record.Auszugsnr = statement.number;
    record.Auszugsdatum = statement.date;
    record.Wertdatum = entry.valueDate;
    record.Buchungsart = fieldText<10>(entry.bookingType);
    record.Absender = fieldText<30>(entry.party);
    record.Verwendungszweck = fieldText<50>(entry.purpose);
    record.Buchungsdatum = entry.bookingDate.value_or(entry.valueDate);
    record.SollHaben = entry.sign;
    record.Betrag = entry.amount;
    return record;
}

} // namespace penvaro::core
