#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace penvaro::core {

// Where the first byte sequence that is no well-formed UTF-8 starts (an overlong form, a
// surrogate, a value beyond U+10FFFF, a cut-off sequence); npos for well-formed text.
std::size_t FirstMalformedUtf8(std::string_view bytes);

// Bank files without a declared encoding are Windows-1252 unless they are well-formed UTF-8
// holding at least one byte beyond ASCII: a Windows-1252 text with umlauts is almost never
// well-formed UTF-8 by chance. The UTF-8 form of the text either way.
std::string DecodeBankText(std::string_view bytes);

} // namespace penvaro::core
