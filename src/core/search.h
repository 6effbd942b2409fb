#pragma once

#include "bookingrecord.h"
#include "bookingtable.h"
#include "result.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace penvaro::core {

enum class SearchMode {
    Exact,      // a ticked field equals the search word
    Containing, // a ticked field contains the search word, ignoring case
    DateRange,  // only the range of value dates decides
};

// The text fields a search word is looked for in, tried in this order.
struct SearchFields {
    bool Buchungsart = false;
    bool Absender = false;
    bool Verwendungszweck = false;
};

struct SearchCriteria {
    SearchMode mode = SearchMode::Containing;
    std::string word; // UTF-8, as typed
    SearchFields fields;
    // Value dates, both ends included, for every mode; only the whole day counts.
    double from = 0.0;
    double to = 0.0;
};

// Upper case for the letters a to z, ä, ö and ü of a Windows-1252 text. Every other byte stays
// as it is, "ß" and accented letters included, so "strasse" never finds "Straße".
std::string FoldCase(std::string_view cp1252);

// The three match rules of a search, shared by the search window and its printout. A record
// is a candidate when it is no recurring booking (kind 4) and its value date lies in the
// range; the start value and every other kind are candidates.
class BookingMatcher {
public:
    explicit BookingMatcher(SearchCriteria criteria);

    const SearchCriteria &criteria() const { return m_criteria; }

    // A ticked field equals the whole search word, case and blanks significant; an empty word
    // matches an empty ticked field.
    bool MatchesExact(const BookingRecord &record) const;
    // The folded word occurs in a ticked folded field; an empty word matches nothing.
    bool MatchesContaining(const BookingRecord &record) const;
    bool MatchesDateRange(const BookingRecord &record) const;
    // The rule of the criteria's mode.
    bool Matches(const BookingRecord &record) const;

private:
    bool isCandidate(const BookingRecord &record) const;
    template<typename FieldMatches>
    bool anyTickedField(const BookingRecord &record, FieldMatches fieldMatches) const;

    SearchCriteria m_criteria;
    double m_fromDay = 0.0;
    double m_toDay = 0.0;
    std::string m_foldedWord; // Windows-1252
};

struct SearchResult {
    std::vector<int> matches; // the matching slots in table order, each once
    std::int64_t sum = 0;     // credits added, debits subtracted
    // The part of the sum that planned bookings make up, money that has not moved yet; the
    // rest is booked.
    std::int64_t plannedSum = 0;
    std::int64_t bookedSum() const { return sum - plannedSum; }
};

// Walks the used slots once. Fails (Overflow) when a sum leaves the 64-bit range.
Result<SearchResult> SearchBookings(const BookingTable &table, const SearchCriteria &criteria);

struct ValueDateRange {
    double from = 0.0;
    double to = 0.0;
};

// The smallest and largest value date of the completed and planned bookings, the range a new
// search starts with; none without such a booking.
std::optional<ValueDateRange> BookingValueDateRange(const BookingTable &table);

} // namespace penvaro::core
