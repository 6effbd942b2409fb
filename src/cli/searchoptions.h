#pragma once

#include "arguments.h"

#include "core/search.h"

#include <optional>
#include <string>

namespace penvaro::cli {

// Exactly one criterion, --exact WORD, --contains WORD or --range, with --fields; the range
// is left to the command. Prints the reason, naming the command, and gives nothing otherwise.
std::optional<core::SearchCriteria> ParseSearchCriterion(const Arguments &parsed,
                                                         const std::string &command);

} // namespace penvaro::cli
