#pragma once

#include <QString>

#include <cstdint>

namespace penvaro::entry {

// The amount as an edit field shows it, to be read back by the amount reader
// (core::ReadTypedAmount): two decimals behind a comma, an exact half away from zero, no
// thousands dots ("12,50", "1234567,89").
QString AmountEditText(std::int64_t amount);

} // namespace penvaro::entry
