#pragma once

#include "core/search.h"

#include <optional>
#include <string>

namespace penvaro::cli {

struct Arguments;

// The current local date as a day count.
double LocalToday();

// Reads a four-digit year for "--year"; prints the reason and gives nothing for anything else.
std::optional<int> ParseYearOption(const std::string &text);

// Reads "dd.mm.yyyy"; prints the reason naming the option and gives nothing for anything else.
std::optional<double> ParseDateOption(const std::string &option, const std::string &text);

// The optional "--from" and "--to" of a command that looks at a range of value dates.
struct DateRangeOptions {
    std::optional<double> from;
    std::optional<double> to;

    // Each end as given, else where the account's bookings begin or end, else today.
    core::ValueDateRange resolved(const std::optional<core::ValueDateRange> &bookings,
                                  double today) const;
};

// Nothing, after printing the reason, when a given end is no date.
std::optional<DateRangeOptions> ParseDateRangeOptions(const Arguments &parsed);

} // namespace penvaro::cli
