#include "textencoding.h"

#include "cp1252.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace penvaro::core {
namespace {

// The length of the well-formed sequence at pos, 0 when there is none.
std::size_t sequenceLength(std::string_view bytes, std::size_t pos) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(bytes[pos + i]); };
    const std::uint8_t lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    std::uint8_t low = 0x80; // the second byte's range keeps out overlong forms and surrogates
    std::uint8_t high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (bytes.size() - pos < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    }
    return length;
}

} // namespace

std::size_t FirstMalformedUtf8(std::string_view bytes) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t length = sequenceLength(bytes, pos);
        if (length == 0)
            return pos;
        pos += length;
    }
    return std::string_view::npos;
}

std::string DecodeBankText(std::string_view bytes) {
    const auto beyondAscii = [](char c) { return static_cast<std::uint8_t>(c) >= 0x80; };
    const bool ascii = std::none_of(bytes.begin(), bytes.end(), beyondAscii);
    if (ascii || FirstMalformedUtf8(bytes) == std::string_view::npos)
        return std::string(bytes);
    // Statements are mostly ASCII: its runs are copied whole, a year of statements at once.
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 8);
    for (auto pos = bytes.begin(); pos != bytes.end();) {
        const auto special = std::find_if(pos, bytes.end(), beyondAscii);
        text.append(pos, special);
        if (special != bytes.end())
            text += Cp1252ToUtf8(std::string_view(&*special, 1));
        pos = special == bytes.end() ? special : special + 1;
    }
    return text;
}

std::optional<std::string> InvalidUtf8Message(std::string_view text, std::string_view what) {
    const std::size_t offset = FirstMalformedUtf8(text);
    if (offset == std::string_view::npos)
        return std::nullopt;
    char byte[8];
    std::snprintf(byte, sizeof byte, "0x%02X",
                  static_cast<unsigned>(static_cast<std::uint8_t>(text[offset])));
    return std::string(what) + " enthält ein Byte, das nicht zu einem UTF-8-Zeichen gehört (" + byte
           + " an Stelle " + std::to_string(offset + 1) + ").";
}

} // namespace penvaro::core
