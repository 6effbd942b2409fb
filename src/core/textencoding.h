#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace penvaro::core {

// Where the first byte sequence that is no well-formed UTF-8 starts (an overlong form, a
// surrogate, a value beyond U+10FFFF, a cut-off sequence); npos for well-formed text.
std::size_t FirstMalformedUtf8(std::string_view bytes);

// "WHAT enthält ein Byte, das nicht zu einem UTF-8-Zeichen gehört (0x80 an Stelle 2)." for a
// text that is no well-formed UTF-8; none for one that is. Checked before any length is
// counted: a length of bytes that are no characters means nothing, and such bytes must not
// reach a file that promises UTF-8.
std::optional<std::string> InvalidUtf8Message(std::string_view text, std::string_view what);

// Bank files without a declared encoding are Windows-1252 unless they are well-formed UTF-8
// holding at least one byte beyond ASCII: a Windows-1252 text with umlauts is almost never
// well-formed UTF-8 by chance. The UTF-8 form of the text either way.
std::string DecodeBankText(std::string_view bytes);

} // namespace penvaro::core
