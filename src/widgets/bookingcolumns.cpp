#include "bookingcolumns.h"

namespace penvaro::widgets {
namespace {

using S = core::Settings;

constexpr Qt::Alignment centre = Qt::AlignHCenter;
constexpr Qt::Alignment left = Qt::AlignLeft;
constexpr Qt::Alignment right = Qt::AlignRight;

// The width the first column keeps when no setting holds it.
constexpr int firstColumnWidth = 75;

} // namespace

ColumnFit FitOf(LedgerColumn column) {
    switch (column) {
    case LedgerColumn::Absender:
    case LedgerColumn::Verwendungszweck:
        return ColumnFit::Yields;
    case LedgerColumn::SollHaben:
        return ColumnFit::WholeHeader;
    default:
        return ColumnFit::WholeText;
    }
}

int PreferredWidth(const ShownColumn &shown, const core::Settings &settings) {
    return shown.width ? settings.*shown.width : firstColumnWidth;
}

std::vector<ShownColumn> CompletedColumns(const core::Settings &settings) {
    std::vector<ShownColumn> columns;
    if (settings.keepStatementData) {
        columns.push_back({LedgerColumn::Auszugsnr, QStringLiteral("Auszugsnr."), centre});
        columns.push_back({LedgerColumn::Auszugsdatum, QStringLiteral("Auszugsdatum"), centre,
                           &S::statementWidth});
    }
    columns.push_back(
        {LedgerColumn::Wertdatum, QStringLiteral("Wertdatum"), centre, &S::valueDateWidth});
    columns.push_back({LedgerColumn::Art, QStringLiteral("Art"), centre, &S::kindWidth});
    columns.push_back(
        {LedgerColumn::Absender, QStringLiteral("Absender/Empfänger"), left, &S::partyWidth});
    columns.push_back({LedgerColumn::Verwendungszweck, QStringLiteral("Verwendungszweck"), left,
                       &S::purposeWidth});
    if (settings.keepBookingDate) {
        columns.push_back({LedgerColumn::Buchungsdatum, QStringLiteral("Buchungsdatum"), centre,
                           &S::bookingDateWidth});
    }
    columns.push_back({LedgerColumn::SollHaben, QStringLiteral("+/-"), centre, &S::signWidth});
    columns.push_back({LedgerColumn::Betrag, QStringLiteral("Betrag"), right, &S::amountWidth});
    if (settings.showBalanceColumn) {
        columns.push_back(
            {LedgerColumn::Kontostand, QStringLiteral("Kontostand"), right, &S::balanceWidth});
    }
    return columns;
}

std::vector<ShownColumn> PlannedColumns(const core::Settings &settings) {
    std::vector<ShownColumn> columns = {
        {LedgerColumn::Wertdatum, QStringLiteral("Wertdatum"), centre},
        {LedgerColumn::Art, QStringLiteral("Art"), centre, &S::plannedKindWidth},
        {LedgerColumn::Absender, QStringLiteral("Absender/Empfänger"), left, &S::plannedPartyWidth},
        {LedgerColumn::Verwendungszweck, QStringLiteral("Verwendungszweck"), left,
         &S::plannedPurposeWidth},
        {LedgerColumn::SollHaben, QStringLiteral("+/-"), centre, &S::plannedSignWidth},
        {LedgerColumn::Betrag, QStringLiteral("Betrag"), right, &S::plannedAmountWidth},
    };
    if (settings.showBalanceColumn) {
        columns.push_back({LedgerColumn::Kontostand, QStringLiteral("Kontostand"), right,
                           &S::plannedBalanceWidth});
    }
    return columns;
}

} // namespace penvaro::widgets
