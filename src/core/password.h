#pragma once

#include "bookingrecord.h"

#include <string>
#include <string_view>

namespace penvaro::core {

// The stored form of the start password: every character but the blank becomes
// ScrambleKey − c in 16 bits. Applying it to the stored form gives the password back.
inline std::u16string TransformPassword(std::u16string_view text) {
    std::u16string out(text);
    for (char16_t &c : out) {
        if (c != u' ')
            c = static_cast<char16_t>(ScrambleKey - c);
    }
    return out;
}

} // namespace penvaro::core
