#pragma once

#include <optional>
#include <string>

namespace penvaro::cli {

// The current local date as a day count.
double LocalToday();

// Reads "dd.mm.yyyy"; prints the reason naming the option and gives nothing for anything else.
std::optional<double> ParseDateOption(const std::string &option, const std::string &text);

} // namespace penvaro::cli
