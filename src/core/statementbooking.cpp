#include "statementbooking.h"

#include "bookingtexts.h"
#include "date.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace penvaro::core {
namespace {

// Dashes the code page cannot hold; kept as "-" rather than "?", so that the text still
// compares with the other format's.
constexpr std::array<std::string_view, 6> foreignDashes = {
    "\u2010", "\u2011", "\u2012", "\u2015", "\u2212", "\u2043",
};

// The text as a booking keeps it, before it is cut to a field.
std::string bookingText(std::string_view utf8) {
    std::string text(utf8);
    // A tab or line break from the bank would split the lines of every listing of the booking.
    std::replace_if(
        text.begin(), text.end(),
        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7F'; }, ' ');
    for (const std::string_view dash : foreignDashes) {
        for (std::size_t at = text.find(dash); at != std::string::npos; at = text.find(dash, at))
            text.replace(at, dash.size(), "-");
    }
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

template<std::size_t N>
ShortText<N> fieldText(std::string_view utf8) {
    ShortText<N> field;
    field.setUtf8(bookingText(utf8));
    while (field.length > 0 && field.chars[field.length - 1u] == ' ')
        field.chars[--field.length] = 0;
    return field;
}

// The first party of a collective entry, cut so that " und 3 weitere" always stays readable.
ShortText<30> partyText(const StatementEntry &entry) {
    ShortText<30> field = fieldText<30>(entry.party);
    if (entry.moreParties <= 0)
        return field;
    const std::string others = "und " + std::to_string(entry.moreParties) + " weitere";
    std::size_t kept = std::min<std::size_t>(field.length, field.capacity - others.size() - 1);
    // A name that must be cut loses its last words whole where it has more than one.
    if (kept < field.length && field.chars[kept] != ' ') {
        std::size_t blank = kept;
        while (blank > 0 && field.chars[blank - 1] != ' ')
            --blank;
        if (blank > 0)
            kept = blank;
    }
    while (kept > 0 && field.chars[kept - 1] == ' ')
        --kept;
    std::string text(reinterpret_cast<const char *>(field.chars.data()), kept);
    text += (kept > 0 ? " " : "") + others;
    field = {};
    field.setUtf8(Cp1252ToUtf8(text));
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
    // The booking type ("SEPA-Gutschrift") is no category; each format of one bank also cuts
    // it differently, which split one kind of booking into several rows of the year report.
    record.Absender = partyText(entry);
    record.Verwendungszweck = fieldText<50>(entry.purpose);
    record.Buchungsdatum = entry.bookingDate.value_or(entry.valueDate);
    record.SollHaben = entry.sign;
    record.Betrag = entry.amount;

    BookingDetails details{{},
                           bookingText(entry.party),
                           FirstCharacters(bookingText(entry.purpose), PurposeLength),
                           entry.partyIban,
                           entry.partyBic,
                           {}};
    if (entry.moreParties > 0)
        details.party += (details.party.empty() ? "" : " ") + std::string("und ")
                         + std::to_string(entry.moreParties) + " weitere";
    details.party = FirstCharacters(details.party, PartyLength);
    for (const std::string &reference : entry.references)
        details.bankReference += (details.bankReference.empty() ? "" : " ") + reference;
    // The fields' own texts need no second copy.
    if (details
        != BookingDetails{record.Buchungsart.toUtf8(),
                          record.Absender.toUtf8(),
                          record.Verwendungszweck.toUtf8(),
                          {},
                          {},
                          {}})
        record.details = std::make_shared<const BookingDetails>(std::move(details));
    return record;
}

} // namespace penvaro::core
