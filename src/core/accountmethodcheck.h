#pragma once

#include <string_view>

namespace penvaro::core {

enum class AccountMethodVerdict {
    Passed,
    Failed,
    MethodUnknown, // the bank or its method is unknown to the checker: nothing speaks against it
};

// A German bank's own check method for its account numbers. Core knows no method; the
// platform answers through the library that keeps them up to date.
class AccountMethodCheck {
public:
    virtual ~AccountMethodCheck() = default;
    virtual AccountMethodVerdict check(std::string_view bankCode,
                                       std::string_view accountNumber) const = 0;
};

} // namespace penvaro::core
