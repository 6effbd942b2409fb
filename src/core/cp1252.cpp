#include "cp1252.h"

#include <array>
#include <cstdint>

namespace penvaro::core {
namespace {

// Code points of 0x80..0x9F; the five bytes Windows-1252 leaves undefined map to the C1
// control of the same value, as Windows itself does, so that no byte is lost on a round trip.
constexpr std::array<char32_t, 32> upperControlBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t decodeByte(std::uint8_t byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return upperControlBlock[byte - 0x80];
    return byte;
}

} // namespace

void AppendUtf8(std::string &out, char32_t cp) {
    if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) {
        out += '?';
    } else if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

namespace {

char encodeCodePoint(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    for (std::size_t i = 0; i < upperControlBlock.size(); ++i) {
        if (upperControlBlock[i] == cp)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

// Decodes one UTF-8 sequence at text[pos]; advances pos. Malformed input yields U+FFFD.
char32_t nextCodePoint(std::string_view text, std::size_t &pos) {
    const auto lead = static_cast<std::uint8_t>(text[pos++]);
    if (lead < 0x80)
        return lead;
    struct Sequence {
        std::uint8_t mask;
        std::uint8_t prefix;
        int trailing;
        char32_t minimum;
    };
    static constexpr std::array<Sequence, 3> sequences = {{
        {0xE0, 0xC0, 1, 0x80},
        {0xF0, 0xE0, 2, 0x800},
        {0xF8, 0xF0, 3, 0x10000},
    }};
    const Sequence *sequence = nullptr;
    for (const Sequence &candidate : sequences) {
        if ((lead & candidate.mask) == candidate.prefix)
            sequence = &candidate;
    }
    if (!sequence)
        return 0xFFFD;
    const int trailing = sequence->trailing;
    const char32_t minimum = sequence->minimum;
    char32_t cp = lead & static_cast<std::uint8_t>(~sequence->mask);
    for (int i = 0; i < trailing; ++i) {
        if (pos >= text.size() || (static_cast<std::uint8_t>(text[pos]) & 0xC0) != 0x80)
            return 0xFFFD;
        cp = (cp << 6) | (static_cast<std::uint8_t>(text[pos++]) & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0xFFFD;
    return cp;
}

} // namespace

std::string Cp1252ToUtf8(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size() + cp1252.size() / 2);
    for (const char c : cp1252)
        AppendUtf8(out, decodeByte(static_cast<std::uint8_t>(c)));
    return out;
}

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size())
        out += encodeCodePoint(nextCodePoint(utf8, pos));
    return out;
}

} // namespace penvaro::core
