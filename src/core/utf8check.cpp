#include "utf8check.h"

#include <cstdint>
#include <cstdio>

namespace penvaro::core {

std::optional<std::size_t> InvalidUtf8Offset(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<std::uint8_t>(text[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        char32_t codePoint = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            codePoint = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            codePoint = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            codePoint = lead & 0x07;
        } else {
            return i;
        }
        if (i + length > text.size())
            return i;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<std::uint8_t>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return i;
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        const bool overlong =
            (length == 3 && codePoint < 0x800) || (length == 4 && codePoint < 0x10000);
        if (overlong || (codePoint >= 0xD800 && codePoint <= 0xDFFF) || codePoint > 0x10FFFF)
            return i;
        i += length;
    }
    return std::nullopt;
}

std::optional<std::string> InvalidUtf8Message(std::string_view text, std::string_view what) {
    const auto offset = InvalidUtf8Offset(text);
    if (!offset)
        return std::nullopt;
    char byte[8];
    std::snprintf(byte, sizeof byte, "0x%02X",
                  static_cast<unsigned>(static_cast<std::uint8_t>(text[*offset])));
    return std::string(what) + " enthält ein Byte, das nicht zu einem UTF-8-Zeichen gehört (" + byte
           + " an Stelle " + std::to_string(*offset + 1) + ").";
}

} // namespace penvaro::core
