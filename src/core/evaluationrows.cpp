#include "evaluationrows.h"

#include "bookingtexts.h"
#include "cp1252.h"
#include "date.h"

namespace penvaro::core {
namespace {

// Wertdatum, Buchungsart, Absender, Verwendungszweck, SollHaben, Betrag.
constexpr int AlwaysShownColumns = 6;

} // namespace

EvaluationLayout EvaluationLayoutFromSettings(const Settings &settings,
                                              const NumberSeparators &separators) {
    return {settings.keepStatementData,
            settings.keepBookingDate,
            settings.amountsInEuro,
            settings.amountsInNational,
            NationalCurrencyFromSettings(settings),
            separators};
}

int EvaluationColumnCount(const EvaluationLayout &layout) {
    return AlwaysShownColumns + (layout.statementData ? 2 : 0) + (layout.bookingDates ? 1 : 0);
}

std::string EvaluationAmountText(std::int64_t amount, const EvaluationLayout &layout) {
    if (!layout.euro)
        return FormatNationalText(amount, layout.currency, layout.separators);
    if (layout.national)
        return FormatCombinedText(amount, layout.currency, layout.separators);
    return FormatEuroText(amount, layout.separators);
}

std::vector<std::string> EvaluationRowCells(const BookingRecord &record,
                                            const EvaluationLayout &layout) {
    const bool completed = record.Satzart == BookingKind::Completed;
    std::vector<std::string> cells;
    cells.reserve(static_cast<std::size_t>(EvaluationColumnCount(layout)));
    if (layout.statementData) {
        cells.push_back(completed ? std::to_string(record.Auszugsnr) + " / "
                                        + std::to_string(record.Auszugsjahr)
                                  : std::string());
        cells.push_back(completed ? FormatDate(record.Auszugsdatum) : std::string());
    }
    cells.push_back(FormatDate(record.Wertdatum));
    cells.push_back(core::CategoryText(record));
    cells.push_back(core::PartyText(record));
    cells.push_back(core::PurposeText(record));
    if (layout.bookingDates)
        cells.push_back(completed ? FormatDate(record.Buchungsdatum) : std::string());
    std::string direction;
    AppendUtf8(direction, record.SollHaben);
    cells.push_back(direction);
    cells.push_back(EvaluationAmountText(record.Betrag, layout));
    return cells;
}

std::vector<std::string> EvaluationSumRowCells(std::int64_t sum, const EvaluationLayout &layout) {
    std::vector<std::string> cells(static_cast<std::size_t>(EvaluationColumnCount(layout)));
    cells[cells.size() - 3] = "SUMME:";
    cells.back() = EvaluationAmountText(sum, layout);
    return cells;
}

std::vector<std::vector<std::string>> EvaluationTableRows(const BookingTable &table,
                                                          const SearchResult &result,
                                                          const EvaluationLayout &layout) {
    const std::vector<std::string> emptyRow(
        static_cast<std::size_t>(EvaluationColumnCount(layout)));
    std::vector<std::vector<std::string>> rows;
    for (const int slot : result.matches)
        rows.push_back(EvaluationRowCells(table.slot(slot), layout));
    rows.push_back(emptyRow);
    if (!result.matches.empty())
        rows.push_back(EvaluationSumRowCells(result.sum, layout));
    return rows;
}

} // namespace penvaro::core
