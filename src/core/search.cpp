#include "search.h"

#include "balances.h"
#include "cp1252.h"
#include "date.h"
#include "wideint.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace penvaro::core {
namespace {

// The Windows-1252 codes of ä, ö, ü and their capitals.
constexpr unsigned char SmallAUmlaut = 0xE4;
constexpr unsigned char SmallOUmlaut = 0xF6;
constexpr unsigned char SmallUUmlaut = 0xFC;
constexpr unsigned char CaseDistance = 0x20;

char foldByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    const bool folds = (byte >= 'a' && byte <= 'z') || byte == SmallAUmlaut || byte == SmallOUmlaut
                       || byte == SmallUUmlaut;
    return folds ? static_cast<char>(byte - CaseDistance) : c;
}

template<std::size_t Capacity>
std::string_view bytesOf(const ShortText<Capacity> &text) {
    return {reinterpret_cast<const char *>(text.chars.data()), text.usedLength()};
}

} // namespace

std::string FoldCase(std::string_view cp1252) {
    std::string folded(cp1252);
    for (char &c : folded)
        c = foldByte(c);
    return folded;
}

BookingMatcher::BookingMatcher(SearchCriteria criteria)
    : m_criteria(std::move(criteria))
    , m_fromDay(std::trunc(m_criteria.from))
    , m_toDay(std::trunc(m_criteria.to))
    , m_foldedWord(FoldCase(Utf8ToCp1252(m_criteria.word))) {}

bool BookingMatcher::isCandidate(const BookingRecord &record) const {
    if (record.Satzart == BookingKind::Recurring)
        return false;
    const double day = std::trunc(record.Wertdatum);
    return day >= m_fromDay && day <= m_toDay;
}

template<typename FieldMatches>
bool BookingMatcher::anyTickedField(const BookingRecord &record, FieldMatches fieldMatches) const {
    const SearchFields &fields = m_criteria.fields;
    // A booking is found by its whole texts, not by what its record's fields keep of them.
    const BookingDetails *details = record.details.get();
    const auto matches = [&](const auto &field, const std::string *whole) {
        if (!whole)
            return fieldMatches(bytesOf(field));
        const std::string bytes = Utf8ToCp1252(*whole);
        return fieldMatches(std::string_view(bytes));
    };
    return (fields.Buchungsart
            && matches(record.Buchungsart, details ? &details->category : nullptr))
           || (fields.Absender && matches(record.Absender, details ? &details->party : nullptr))
           || (fields.Verwendungszweck
               && matches(record.Verwendungszweck, details ? &details->purpose : nullptr));
}

bool BookingMatcher::MatchesExact(const BookingRecord &record) const {
    return isCandidate(record) && anyTickedField(record, [this](std::string_view field) {
               return Cp1252ToUtf8(field) == m_criteria.word;
           });
}

bool BookingMatcher::MatchesContaining(const BookingRecord &record) const {
    return !m_foldedWord.empty() && isCandidate(record)
           && anyTickedField(record, [this](std::string_view field) {
                  return FoldCase(field).find(m_foldedWord) != std::string::npos;
              });
}

bool BookingMatcher::MatchesDateRange(const BookingRecord &record) const {
    return isCandidate(record);
}

bool BookingMatcher::Matches(const BookingRecord &record) const {
    switch (m_criteria.mode) {
    case SearchMode::Exact:
        return MatchesExact(record);
    case SearchMode::Containing:
        return MatchesContaining(record);
    case SearchMode::DateRange:
        return MatchesDateRange(record);
    }
    return false;
}

Result<SearchResult> SearchBookings(const BookingTable &table, const SearchCriteria &criteria) {
    const BookingMatcher matcher(criteria);
    SearchResult result;
    Int128 sum = 0;
    Int128 plannedSum = 0;
    for (int slot = 1; slot <= table.count(); ++slot) {
        const BookingRecord &r = table.slot(slot);
        if (!matcher.Matches(r))
            continue;
        result.matches.push_back(slot);
        const Int128 signedAmount = SignedAmount(r);
        sum += signedAmount;
        if (r.Satzart == BookingKind::Planned)
            plannedSum += signedAmount;
    }
    // bookedSum() subtracts the two in 64 bits, so the booked part must fit as well.
    for (const Int128 part : {sum, plannedSum, sum - plannedSum}) {
        if (!FitsInt64(part))
            return Error{ErrorKind::Overflow,
                         "Die Summe der gefundenen Buchungen liegt außerhalb des darstellbaren "
                         "Bereichs."};
    }
    result.sum = static_cast<std::int64_t>(sum);
    result.plannedSum = static_cast<std::int64_t>(plannedSum);
    return result;
}

std::optional<ValueDateRange> BookingValueDateRange(const BookingTable &table) {
    std::optional<ValueDateRange> range;
    for (const BookingRecord &r : table.used()) {
        const bool booking =
            r.Satzart == BookingKind::Completed || r.Satzart == BookingKind::Planned;
        // A damaged date would make the range useless for every other booking.
        if (!booking || !CivilFromDayCount(r.Wertdatum))
            continue;
        if (!range)
            range = ValueDateRange{r.Wertdatum, r.Wertdatum};
        range->from = std::min(range->from, r.Wertdatum);
        range->to = std::max(range->to, r.Wertdatum);
    }
    return range;
}

} // namespace penvaro::core
