#pragma once

#include "arguments.h"

#include "core/sortbookingtable.h"

#include <optional>

namespace penvaro::cli {

// The value options that choose the table order, as the settings "SortBy", "Sort1" and "Sort2".
inline const std::set<std::string> OrderOptionNames = {"sort-by", "sort1", "sort2"};

// --sort-by normal|ad|wd (default normal), --sort1 and --sort2 asc|desc (default asc). Prints
// the reason and gives nothing for any other value.
std::optional<core::SortOrder> ParseOrderOptions(const Arguments &arguments);

} // namespace penvaro::cli
