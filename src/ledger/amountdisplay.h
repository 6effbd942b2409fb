#pragma once

#include "core/amounttext.h"
#include "core/settings.h"
#include "widgets/localeseparators.h"

#include <QString>

#include <cstdint>

namespace penvaro::ledger {

// How the main window writes amounts: in the user's locale, in euro, in the account's
// national currency, or both, as the four currency check boxes say.
class AmountDisplay {
public:
    explicit AmountDisplay(const core::Settings &settings);

    // Booking amounts ("Betrag" column): euroBetrag / natBetrag.
    QString amountCell(std::int64_t amount) const;
    // Running balances ("Kontostand" column): euroKontostand / natKontostand.
    QString balanceCell(std::int64_t amount) const;
    // Sum displays: euro when euroBetrag, else national; never both.
    QString sum(std::int64_t amount) const;

private:
    QString cell(std::int64_t amount, bool euro, bool national) const;

    core::NumberSeparators m_separators;
    core::NationalCurrency m_national;
    bool m_euroBetrag;
    bool m_natBetrag;
    bool m_euroKontostand;
    bool m_natKontostand;
};

using widgets::LocaleSeparators;

} // namespace penvaro::ledger
