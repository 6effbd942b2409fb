#pragma once

#include "exchangerate.h"
#include "sortbookingtable.h"

#include <cstdint>
#include <string>

namespace penvaro::core {

// Every setting the program keeps in memory, initialised with the defaults that a clean machine
// starts with; texts are UTF-8. The names under which they are stored (Program-wide values in
// the program's key, the others in the account file's key) are listed in one table,
// platform/settingsfields.cpp.
struct Settings {
    // Program-wide values.
    std::string accountFile; // the current account file; empty when none is open
    std::string programFolder;
    std::string windowState;
    std::int32_t windowWidth = 750;
    std::int32_t windowHeight = 550;
    std::int32_t completedRowHeight = 18;
    std::int32_t plannedRowHeight = 18;
    std::int32_t startScreenSeconds = 3;
    std::int32_t printOffsetX = 0;
    std::int32_t printOffsetY = 0;
    bool showStatusBar = true;
    bool showBookBalance = true;
    bool showPlannedSum = true;
    bool showProjectedBalance = true;
    std::string tableFontName = "Arial";
    std::int32_t tableFontSize = 9;
    bool passwordRequired = false;
    std::string storedPassword; // in its scrambled form
    std::string chequePlace;

    // Values of the current account file.
    double nextCheckDay = 0.0; // the next day to check for due recurring bookings
    bool keepStatementData = true;
    bool keepBookingDate = false;
    std::string completedOrder = "normal";
    bool completedAscending = true;
    bool plannedAscending = true;
    bool showBalanceColumn = true;
    bool printBalanceColumn = true;
    bool showPlannedTable = true;
    double creditInterestRate = 2.0;
    double debitInterestRate = 9.0;
    double nationalPerEuro = 1.95583;
    std::string nationalCurrency = "DM";
    bool amountsInEuro = true;
    bool amountsInNational = false;
    bool balancesInEuro = true;
    bool balancesInNational = false;
    std::int32_t statementWidth = 75;
    std::int32_t valueDateWidth = 100;
    std::int32_t kindWidth = 50;
    std::int32_t partyWidth = 150;
    std::int32_t purposeWidth = 150;
    std::int32_t bookingDateWidth = 75;
    std::int32_t signWidth = 25;
    std::int32_t amountWidth = 100;
    std::int32_t balanceWidth = 100;
    std::int32_t plannedKindWidth = 50;
    std::int32_t plannedPartyWidth = 150;
    std::int32_t plannedPurposeWidth = 150;
    std::int32_t plannedSignWidth = 25;
    std::int32_t plannedAmountWidth = 100;
    std::int32_t plannedBalanceWidth = 100;
    std::string accountHolder;
    std::string accountName;
    std::string accountNumber;
    std::string bankCode;
    std::string bankName;
    std::string iban; // electronic form
    std::string bic;
    bool prefersForm20 = true; // transfer form 20 chosen rather than form 24

    friend bool operator==(const Settings &, const Settings &) = default;
};

inline SortOrder SortOrderFromSettings(const Settings &settings) {
    return SortOrder{DoneOrderFromSetting(settings.completedOrder), settings.completedAscending,
                     settings.plannedAscending};
}

// The settings store gives only finite rates; a rate that still cannot be read converts every
// amount to zero, which shows and prints nothing wrong and which a payment in the national
// currency refuses.
inline NationalCurrency NationalCurrencyFromSettings(const Settings &settings) {
    const auto rate = ExchangeRateFromDouble(settings.nationalPerEuro);
    return {rate ? *rate : ExchangeRate{}, settings.nationalCurrency};
}

} // namespace penvaro::core
