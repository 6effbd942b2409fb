#include "ledgercolumns.h"

#include "amountdisplay.h"

#include "core/date.h"

namespace penvaro::ledger {
namespace {

using S = core::Settings;

constexpr Qt::Alignment centre = Qt::AlignHCenter;
constexpr Qt::Alignment left = Qt::AlignLeft;
constexpr Qt::Alignment right = Qt::AlignRight;

QString dateText(double dayCount) {
    if (!core::CivilFromDayCount(dayCount))
        return {};
    return QString::fromStdString(core::FormatDate(dayCount));
}

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

QString CellText(LedgerColumn column, const core::BookingRecord &r, const AmountDisplay &amounts) {
    switch (column) {
    case LedgerColumn::Auszugsnr:
        return QStringLiteral("%1 / %2").arg(r.Auszugsnr).arg(r.Auszugsjahr);
    case LedgerColumn::Auszugsdatum:
        return dateText(r.Auszugsdatum);
    case LedgerColumn::Wertdatum:
        return dateText(r.Wertdatum);
    case LedgerColumn::Art:
        return QString::fromStdString(r.Buchungsart.toUtf8());
    case LedgerColumn::Absender:
        return QString::fromStdString(r.Absender.toUtf8());
    case LedgerColumn::Verwendungszweck:
        return QString::fromStdString(r.Verwendungszweck.toUtf8());
    case LedgerColumn::Buchungsdatum:
        return dateText(r.Buchungsdatum);
    case LedgerColumn::SollHaben:
        return QString(QChar(r.SollHaben));
    case LedgerColumn::Betrag:
        return amounts.amountCell(r.Betrag);
    case LedgerColumn::Kontostand:
        break;
    }
    return {};
}

} // namespace penvaro::ledger
