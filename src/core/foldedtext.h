#pragma once

#include <string>
#include <string_view>

namespace penvaro::core {

// A stored Windows-1252 text as two statements of one payment compare it: the formats of one
// bank write "–" in one and "-" in the other, „ “ in one and " in the other, break lines into
// blanks and change letter case. Dashes become "-", quotation marks '"', every run of blanks
// (and non-breaking blanks) one blank, without blanks at either end, and letters lower case.
std::string FoldedText(std::string_view cp1252);

} // namespace penvaro::core
