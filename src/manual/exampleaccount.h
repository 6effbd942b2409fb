#pragma once

#include "core/result.h"

#include <filesystem>

namespace penvaro::manual {

// The household account the manual's pictures show: a start value, two months of bank
// statements, planned and recurring bookings, all dated around the given day (a day count) so
// that the balances of "today" make sense whenever the manual is built.
core::Result<void> WriteExampleAccount(const std::filesystem::path &file, double today);

// A bank statement (MT940) of the same account with two bookings early in today's month, as the
// bank would send it next: the picture of the import shows it.
core::Result<void> WriteExampleStatement(const std::filesystem::path &file, double today);

} // namespace penvaro::manual
