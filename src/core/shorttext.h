#pragma once

#include "cp1252.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace penvaro::core {

// A Windows-1252 text of fixed capacity behind a length byte, as stored in the program's
// files. The length byte is kept as read even when it exceeds the capacity, so that a damaged
// record is written back unchanged.
template<std::size_t Capacity>
struct ShortText {
    static constexpr std::size_t capacity = Capacity;

    std::uint8_t length = 0;
    std::array<std::uint8_t, Capacity> chars{};

    std::size_t usedLength() const { return std::min<std::size_t>(length, Capacity); }

    std::string toUtf8() const {
        return Cp1252ToUtf8(
            std::string_view(reinterpret_cast<const char *>(chars.data()), usedLength()));
    }

    // Converts to Windows-1252 and cuts the text to the capacity.
    void setUtf8(std::string_view text) {
        const std::string encoded = Utf8ToCp1252(text);
        const std::size_t n = std::min(encoded.size(), Capacity);
        std::memcpy(chars.data(), encoded.data(), n);
        length = static_cast<std::uint8_t>(n);
    }

    friend bool operator==(const ShortText &, const ShortText &) = default;
};

} // namespace penvaro::core
