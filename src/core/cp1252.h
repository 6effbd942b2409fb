#pragma once

#include <string>
#include <string_view>

namespace penvaro::core {

// Texts on disk are Windows-1252; the program works in UTF-8.
std::string Cp1252ToUtf8(std::string_view cp1252);
// Appends the UTF-8 form of a code point; a surrogate or out-of-range value becomes "?".
void AppendUtf8(std::string &out, char32_t codePoint);

// A character that Windows-1252 cannot hold, and any malformed UTF-8, becomes "?".
std::string Utf8ToCp1252(std::string_view utf8);

} // namespace penvaro::core
