#pragma once

#include "core/result.h"

#include <QString>

#include <optional>

namespace penvaro::entry {

// The date of every bank statement entered, remembered per account file by statement year and
// number, so that typing a statement number used before fills in its date.
class StatementDateMemory {
public:
    virtual ~StatementDateMemory() = default;

    // False when the account's settings key cannot be opened; nothing is written then.
    virtual bool RememberStatementDate(int number, int year, double date) = 0;
    // The date stored under the year text followed by the number text, nothing when there is
    // none or it cannot be read. An error when the account's settings key cannot be opened.
    virtual core::Result<std::optional<double>> LookUpStatementDate(const QString &yearText,
                                                                    const QString &numberText) = 0;
};

} // namespace penvaro::entry
