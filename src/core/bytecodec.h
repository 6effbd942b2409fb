#pragma once

#include "shorttext.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace penvaro::core {

// The program's files store numbers little-endian and texts as a length byte followed by the
// full capacity; these write and read them byte by byte, whatever the machine's own order.

template<typename Unsigned>
void PutLittleEndian(std::uint8_t *out, Unsigned value) {
    for (std::size_t i = 0; i < sizeof(Unsigned); ++i)
        out[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

template<typename Unsigned>
Unsigned GetLittleEndian(const std::uint8_t *in) {
    Unsigned value = 0;
    for (std::size_t i = 0; i < sizeof(Unsigned); ++i)
        value = static_cast<Unsigned>(value | (static_cast<Unsigned>(in[i]) << (8 * i)));
    return value;
}

template<std::size_t N>
void PutShortText(std::uint8_t *out, const ShortText<N> &text) {
    out[0] = text.length;
    std::memcpy(out + 1, text.chars.data(), N);
}

template<std::size_t N>
void GetShortText(const std::uint8_t *in, ShortText<N> &text) {
    text.length = in[0];
    std::memcpy(text.chars.data(), in + 1, N);
}

} // namespace penvaro::core
