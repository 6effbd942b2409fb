#include "date.h"

#include <cmath>
#include <cstdio>

namespace penvaro::core {
namespace {

// Days since 1970-01-01 (H. Hinnant's algorithm).
long long daysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

CivilDate civilFromDays(long long z) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

constexpr long long unixDayOf18991230 = -25569;

} // namespace

int DaysInMonth(int year, int month) {
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : lengths[month - 1];
}

std::string_view MonthName(int month) {
    static constexpr std::string_view names[] = {"Januar",    "Februar", "März",     "April",
                                                 "Mai",       "Juni",    "Juli",     "August",
                                                 "September", "Oktober", "November", "Dezember"};
    return names[month - 1];
}

std::string_view ShortMonthName(int month) {
    static constexpr std::string_view names[] = {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun",
                                                 "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
    return names[month - 1];
}

bool IsValidCivilDate(const CivilDate &date) {
    return date.year >= 1 && date.year <= 9999 && date.month >= 1 && date.month <= 12
           && date.day >= 1 && date.day <= DaysInMonth(date.year, date.month);
}

double DayCountFromCivil(const CivilDate &date) {
    return static_cast<double>(
        daysFromCivil(date.year, static_cast<unsigned>(date.month), static_cast<unsigned>(date.day))
        - unixDayOf18991230);
}

std::optional<CivilDate> CivilFromDayCount(double dayCount) {
    // The whole day is the integer part; a fraction is a time of day whatever the sign.
    static const double first = DayCountFromCivil({1, 1, 1});
    static const double last = DayCountFromCivil({9999, 12, 31});
    const double day = std::trunc(dayCount);
    if (!(day >= first && day <= last))
        return std::nullopt;
    return civilFromDays(static_cast<long long>(day) + unixDayOf18991230);
}

std::string FormatDate(double dayCount) {
    const auto date = CivilFromDayCount(dayCount);
    if (!date)
        return "-";
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", date->day, date->month, date->year);
    return text;
}

namespace {

// Day, month and year as written, the year with as many digits as typed.
struct WrittenDate {
    CivilDate date;
    std::size_t yearDigits = 0;
};

std::optional<WrittenDate> readWrittenDate(std::string_view text) {
    int parts[3] = {0, 0, 0};
    constexpr std::size_t maxDigits[3] = {2, 2, 4};
    std::size_t yearDigits = 0;
    std::size_t pos = 0;
    for (int part = 0; part < 3; ++part) {
        std::size_t digits = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9'
               && digits < maxDigits[part]) {
            parts[part] = parts[part] * 10 + (text[pos] - '0');
            ++pos;
            ++digits;
        }
        if (digits == 0)
            return std::nullopt;
        if (part < 2) {
            if (pos >= text.size() || text[pos] != '.')
                return std::nullopt;
            ++pos;
        }
        yearDigits = digits;
    }
    if (pos != text.size())
        return std::nullopt;
    return WrittenDate{{parts[2], parts[1], parts[0]}, yearDigits};
}

std::optional<double> dayCountOf(const CivilDate &date) {
    if (!IsValidCivilDate(date))
        return std::nullopt;
    return DayCountFromCivil(date);
}

} // namespace

std::optional<double> ParseDate(std::string_view text) {
    const auto written = readWrittenDate(text);
    if (!written || written->yearDigits != 4)
        return std::nullopt;
    return dayCountOf(written->date);
}

std::optional<double> ParseTypedDate(std::string_view text, int thisYear) {
    auto written = readWrittenDate(text);
    if (!written || (written->yearDigits != 2 && written->yearDigits != 4))
        return std::nullopt;
    if (written->yearDigits == 2) {
        const int latest = thisYear + 20;
        int year = latest - latest % 100 + written->date.year;
        if (year > latest)
            year -= 100;
        written->date.year = year;
    }
    return dayCountOf(written->date);
}

} // namespace penvaro::core
