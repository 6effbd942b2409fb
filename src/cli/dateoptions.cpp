#include "dateoptions.h"

#include "arguments.h"

#include "core/date.h"

#include <charconv>
#include <chrono>
#include <ctime>

namespace penvaro::cli {

double LocalToday() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    return core::DayCountFromCivil({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday});
}

std::optional<int> ParseYearOption(const std::string &text) {
    int year = 0;
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, year);
    if (text.size() != 4 || error != std::errc{} || stop != end || year < 1) {
        PrintError("--year erwartet ein Jahr JJJJ, nicht \"" + text + "\".");
        return std::nullopt;
    }
    return year;
}

std::optional<double> ParseDateOption(const std::string &option, const std::string &text) {
    const auto day = core::ParseDate(text);
    if (!day)
        PrintError("--" + option + " erwartet ein Datum TT.MM.JJJJ, nicht \"" + text + "\".");
    return day;
}

core::ValueDateRange DateRangeOptions::resolved(const std::optional<core::ValueDateRange> &bookings,
                                                double today) const {
    return {from.value_or(bookings ? bookings->from : today),
            to.value_or(bookings ? bookings->to : today)};
}

std::optional<DateRangeOptions> ParseDateRangeOptions(const Arguments &parsed) {
    DateRangeOptions range;
    for (const auto &[name, day] : {std::pair{"from", &range.from}, std::pair{"to", &range.to}}) {
        if (!parsed.options.contains(name))
            continue;
        *day = ParseDateOption(name, parsed.options.at(name));
        if (!*day)
            return std::nullopt;
    }
    return range;
}

} // namespace penvaro::cli
