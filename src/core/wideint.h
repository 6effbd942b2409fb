#pragma once

#include <cstdint>
#include <limits>

namespace penvaro::core {

// Sums of up to 65,535 amounts and products of an amount with a rate's digits are formed in
// 128 bits, where they cannot overflow; only a result that must fit 64 bits is checked.
__extension__ using Int128 = __int128;
__extension__ using UInt128 = unsigned __int128;

inline bool FitsInt64(Int128 value) {
    return value >= std::numeric_limits<std::int64_t>::min()
           && value <= std::numeric_limits<std::int64_t>::max();
}

} // namespace penvaro::core
