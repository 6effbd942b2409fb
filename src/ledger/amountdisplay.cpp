#include "amountdisplay.h"

namespace penvaro::ledger {
AmountDisplay::AmountDisplay(const core::Settings &settings)
    : m_separators(LocaleSeparators())
    , m_national(core::NationalCurrencyFromSettings(settings))
    , m_euroBetrag(settings.amountsInEuro)
    , m_natBetrag(settings.amountsInNational)
    , m_euroKontostand(settings.balancesInEuro)
    , m_natKontostand(settings.balancesInNational) {}

QString AmountDisplay::cell(std::int64_t amount, bool euro, bool national) const {
    if (!euro)
        return QString::fromStdString(core::FormatNationalText(amount, m_national, m_separators));
    if (national)
        return QString::fromStdString(core::FormatCombinedText(amount, m_national, m_separators));
    return QString::fromStdString(core::FormatEuroText(amount, m_separators));
}

QString AmountDisplay::amountCell(std::int64_t amount) const {
    return cell(amount, m_euroBetrag, m_natBetrag);
}

QString AmountDisplay::balanceCell(std::int64_t amount) const {
    return cell(amount, m_euroKontostand, m_natKontostand);
}

QString AmountDisplay::sum(std::int64_t amount) const {
    return cell(amount, m_euroBetrag, false);
}

} // namespace penvaro::ledger
