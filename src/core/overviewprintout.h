#pragma once

#include "accountregister.h"
#include "amounttext.h"
#include "canvas.h"
#include "result.h"

#include <cstdint>

namespace penvaro::core {

// The total of all balances the accounts overview shows. 1000 balances cannot overflow 128
// bits; a total beyond 64 bits, which no real set of accounts reaches, becomes the nearest
// amount that can be written.
std::int64_t AccountsTotal(const AccountRegister &accounts);

// The accounts overview as a list: name, number, balance and file of every register entry,
// 46 rows a page, and the total with today's date.
Result<void> PrintAccountsOverview(Canvas &canvas, const AccountRegister &accounts, double today,
                                   const NumberSeparators &separators);

} // namespace penvaro::core
