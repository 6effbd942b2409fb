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
    if (settings.AuszugsdatAN) {
        columns.push_back({LedgerColumn::Auszugsnr, QStringLiteral("Auszugsnr."), centre});
        columns.push_back({LedgerColumn::Auszugsdatum, QStringLiteral("Auszugsdatum"), centre,
                           &S::WAuszugsdatum});
    }
    columns.push_back(
        {LedgerColumn::Wertdatum, QStringLiteral("Wertdatum"), centre, &S::WWertdatum});
    columns.push_back({LedgerColumn::Art, QStringLiteral("Art"), centre, &S::WBuchungsart});
    columns.push_back(
        {LedgerColumn::Absender, QStringLiteral("Absender/Empfänger"), left, &S::WAbsender});
    columns.push_back({LedgerColumn::Verwendungszweck, QStringLiteral("Verwendungszweck"), left,
                       &S::WVerwendungszweck});
    if (settings.BuchungsdatAN) {
        columns.push_back({LedgerColumn::Buchungsdatum, QStringLiteral("Buchungsdatum"), centre,
                           &S::WBuchungsdatum});
    }
    columns.push_back({LedgerColumn::SollHaben, QStringLiteral("+/-"), centre, &S::WSollhaben});
    columns.push_back({LedgerColumn::Betrag, QStringLiteral("Betrag"), right, &S::WBetrag});
    if (settings.SummeB) {
        columns.push_back(
            {LedgerColumn::Kontostand, QStringLiteral("Kontostand"), right, &S::WKontostand});
    }
    return columns;
}

std::vector<ShownColumn> PlannedColumns(const core::Settings &settings) {
    std::vector<ShownColumn> columns = {
        {LedgerColumn::Wertdatum, QStringLiteral("Wertdatum"), centre},
        {LedgerColumn::Art, QStringLiteral("Art"), centre, &S::WBuchungsart2},
        {LedgerColumn::Absender, QStringLiteral("Absender/Empfänger"), left, &S::WAbsender2},
        {LedgerColumn::Verwendungszweck, QStringLiteral("Verwendungszweck"), left,
         &S::WVerwendungszweck2},
        {LedgerColumn::SollHaben, QStringLiteral("+/-"), centre, &S::WSollhaben2},
        {LedgerColumn::Betrag, QStringLiteral("Betrag"), right, &S::WBetrag2},
    };
    if (settings.SummeB) {
        columns.push_back(
            {LedgerColumn::Kontostand, QStringLiteral("Kontostand"), right, &S::WKontostand2});
    }
    return columns;
}

} // namespace penvaro::widgets
