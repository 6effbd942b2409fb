#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace penvaro::core {

// Dates are day counts since 30.12.1899 held in a double; only the whole day counts.
struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;

    friend bool operator==(const CivilDate &, const CivilDate &) = default;
};

bool IsValidCivilDate(const CivilDate &date);
// Month 1 to 12 of any year of the Gregorian calendar.
int DaysInMonth(int year, int month);
double DayCountFromCivil(const CivilDate &date);
// Month 1 to 12: "Januar" to "Dezember", and "Jan" to "Dez" where a column or axis is narrow.
std::string_view MonthName(int month);
std::string_view ShortMonthName(int month);
// Years 1 to 9999 only; anything else (including NaN) has no calendar date.
std::optional<CivilDate> CivilFromDayCount(double dayCount);

// "dd.mm.yyyy"; a day count without calendar date gives "-".
std::string FormatDate(double dayCount);
// Accepts "d.m.yyyy" with one- or two-digit day and month and a four-digit year; an impossible
// date such as 31.02.2011 is refused.
std::optional<double> ParseDate(std::string_view text);
// What a user types into a date field: as ParseDate, or with a two-digit year, read as 20yy up
// to twenty years after this year and as 19yy beyond (in 2026: 46 is 2046, 47 is 1947).
std::optional<double> ParseTypedDate(std::string_view text, int thisYear);

} // namespace penvaro::core
