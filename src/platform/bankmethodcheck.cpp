#include "bankmethodcheck.h"

#include <ktoblzcheck.h>

#include <string>

namespace penvaro::platform {

BankMethodCheck::BankMethodCheck()
    : m_library(std::make_unique<AccountNumberCheck>()) {}

BankMethodCheck::~BankMethodCheck() = default;

core::AccountMethodVerdict BankMethodCheck::check(std::string_view bankCode,
                                                  std::string_view accountNumber) const {
    switch (m_library->check(std::string(bankCode), std::string(accountNumber))) {
    case AccountNumberCheck::OK:
        return core::AccountMethodVerdict::Passed;
    case AccountNumberCheck::ERROR:
        return core::AccountMethodVerdict::Failed;
    case AccountNumberCheck::UNKNOWN:
    case AccountNumberCheck::BANK_NOT_KNOWN:
        break;
    }
    // A bank newer than the library's list, or a method it does not implement: nothing
    // speaks against the number, and refusing it would stop a payment the bank accepts.
    return core::AccountMethodVerdict::MethodUnknown;
}

} // namespace penvaro::platform
