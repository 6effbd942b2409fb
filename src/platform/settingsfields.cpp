#include "settingsfields.h"

#include <array>

namespace penvaro::platform {

namespace {

using S = core::Settings;

// The names are spelled as they are written; reading compares without regard to case.
const auto ProgramFields = std::to_array<SettingsField>({
    {u"Datei", &S::accountFile},
    {u"Pfad", &S::programFolder, false},
    {u"WindowState", &S::windowState, false},
    {u"Breite", &S::windowWidth, false},
    {u"Hoehe", &S::windowHeight, false},
    {u"Tab1ZeiAbst", &S::completedRowHeight},
    {u"Tab2ZeiAbst", &S::plannedRowHeight},
    {u"StartB", &S::startScreenSeconds},
    {u"KorrH", &S::printOffsetX},
    {u"KorrV", &S::printOffsetY},
    {u"StatusAN", &S::showStatusBar},
    {u"SummeGan", &S::showBookBalance},
    {u"SummeZan", &S::showPlannedSum},
    {u"SummeLan", &S::showProjectedBalance},
    {u"FontName", &S::tableFontName},
    {u"FontSize", &S::tableFontSize},
    {u"Autospeichern", &S::passwordRequired},
    {u"Tabellenformat", &S::storedPassword},
    {u"AusstellOrt", &S::chequePlace},
});

const auto FileFields = std::to_array<SettingsField>({
    {u"LM", &S::nextCheckDay},
    {u"AuszugsdatAn", &S::keepStatementData},
    {u"BuchungsdatAn", &S::keepBookingDate},
    {u"SortBy", &S::completedOrder},
    {u"Sort1", &S::completedAscending},
    {u"Sort2", &S::plannedAscending},
    {u"SummeB", &S::showBalanceColumn},
    {u"SummeBD", &S::printBalanceColumn},
    {u"TabGepan", &S::showPlannedTable},
    {u"Zinsen", &S::creditInterestRate},
    {u"Sollzinsen", &S::debitInterestRate},
    {u"Eurokurs", &S::nationalPerEuro},
    {u"Waehrung", &S::nationalCurrency},
    {u"euroBetrag", &S::amountsInEuro},
    {u"natBetrag", &S::amountsInNational},
    {u"euroKontostand", &S::balancesInEuro},
    {u"natKontostand", &S::balancesInNational},
    {u"WAuszugsdatum", &S::statementWidth},
    {u"WWertdatum", &S::valueDateWidth},
    {u"WBuchungsart", &S::kindWidth},
    {u"WAbsender", &S::partyWidth},
    {u"WVerwendungszweck", &S::purposeWidth},
    {u"WBuchungsdatum", &S::bookingDateWidth},
    {u"WSollhaben", &S::signWidth},
    {u"WBetrag", &S::amountWidth},
    {u"WKontostand", &S::balanceWidth},
    {u"WBuchungsart2", &S::plannedKindWidth},
    {u"WAbsender2", &S::plannedPartyWidth},
    {u"WVerwendungszweck2", &S::plannedPurposeWidth},
    {u"WSollhaben2", &S::plannedSignWidth},
    {u"WBetrag2", &S::plannedAmountWidth},
    {u"WKontostand2", &S::plannedBalanceWidth},
    {u"Kontoinhaber", &S::accountHolder},
    {u"Kontobezeichnung", &S::accountName},
    {u"Kontonummer", &S::accountNumber},
    {u"Bankleitzahl", &S::bankCode},
    {u"Institut", &S::bankName},
    {u"IBAN", &S::iban},
    {u"BIC", &S::bic},
    {u"20", &S::prefersForm20},
});

} // namespace

std::span<const SettingsField> ProgramSettingsFields() {
    return ProgramFields;
}

std::span<const SettingsField> FileSettingsFields() {
    return FileFields;
}

} // namespace penvaro::platform
