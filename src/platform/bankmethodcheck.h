#pragma once

#include "core/accountmethodcheck.h"

#include <memory>

class AccountNumberCheck;

namespace penvaro::platform {

// The German banks' check methods for account numbers, as libktoblzcheck keeps them (with
// its own list of which bank uses which method). Reading that list takes a moment, so one
// object serves a whole window or command.
class BankMethodCheck final : public core::AccountMethodCheck {
public:
    BankMethodCheck();
    ~BankMethodCheck() override;
    BankMethodCheck(const BankMethodCheck &) = delete;
    BankMethodCheck &operator=(const BankMethodCheck &) = delete;

    core::AccountMethodVerdict check(std::string_view bankCode,
                                     std::string_view accountNumber) const override;

private:
    std::unique_ptr<AccountNumberCheck> m_library;
};

} // namespace penvaro::platform
