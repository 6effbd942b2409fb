#pragma once

#include <QString>

#include <optional>

namespace penvaro::entry {

// Reads a whole number as typed into a field of the booking dialogs: decimal digits with an
// optional sign, blanks around them allowed. Nothing when the text is no number or lies
// outside low to high.
std::optional<int> IntegerInRange(const QString &text, int low, int high);

} // namespace penvaro::entry
