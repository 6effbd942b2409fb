#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace penvaro::core {

// Where the first byte stands that is not part of well-formed UTF-8 (a stray continuation
// byte, a cut or overlong sequence, a surrogate, a code point beyond U+10FFFF); none for a
// valid text. Checked before any length is counted: a length of bytes that are no characters
// means nothing, and such bytes must not reach a file that promises UTF-8.
std::optional<std::size_t> InvalidUtf8Offset(std::string_view text);

// "WHAT enthält ein Byte, das nicht zu einem UTF-8-Zeichen gehört (0x80 an Stelle 2)." for an
// invalid text; none for a valid one.
std::optional<std::string> InvalidUtf8Message(std::string_view text, std::string_view what);

} // namespace penvaro::core
