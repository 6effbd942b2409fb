#include "settingsfields.h"

#include <array>

namespace penvaro::platform {

namespace {

using S = core::Settings;

// The names are spelled as they are written; reading compares without regard to case.
const auto ProgramFields = std::to_array<SettingsField>({
    {u"Datei", &S::Datei},
    {u"Pfad", &S::Pfad, false},
    {u"WindowState", &S::WindowState, false},
    {u"Breite", &S::Breite, false},
    {u"Hoehe", &S::Hoehe, false},
    {u"Tab1ZeiAbst", &S::Tab1ZeiAbst},
    {u"Tab2ZeiAbst", &S::Tab2ZeiAbst},
    {u"StartB", &S::StartB},
    {u"KorrH", &S::KorrH},
    {u"KorrV", &S::KorrV},
    {u"StatusAN", &S::StatusAN},
    {u"SummeGan", &S::SummeGan},
    {u"SummeZan", &S::SummeZan},
    {u"SummeLan", &S::SummeLan},
    {u"FontName", &S::FontName},
    {u"FontSize", &S::FontSize},
    {u"Autospeichern", &S::passwordRequired},
    {u"Tabellenformat", &S::storedPassword},
    {u"AusstellOrt", &S::AusstellOrt},
});

const auto FileFields = std::to_array<SettingsField>({
    {u"LM", &S::nextCheckDay},
    {u"AuszugsdatAn", &S::AuszugsdatAN},
    {u"BuchungsdatAn", &S::BuchungsdatAN},
    {u"SortBy", &S::SortBy},
    {u"Sort1", &S::Sort1},
    {u"Sort2", &S::Sort2},
    {u"SummeB", &S::SummeB},
    {u"SummeBD", &S::SummeBD},
    {u"TabGepan", &S::TabGepan},
    {u"Zinsen", &S::Zinsen},
    {u"Sollzinsen", &S::Sollzinsen},
    {u"Eurokurs", &S::Eurokurs},
    {u"Waehrung", &S::Waehrung},
    {u"euroBetrag", &S::euroBetrag},
    {u"natBetrag", &S::natBetrag},
    {u"euroKontostand", &S::euroKontostand},
    {u"natKontostand", &S::natKontostand},
    {u"WAuszugsdatum", &S::WAuszugsdatum},
    {u"WWertdatum", &S::WWertdatum},
    {u"WBuchungsart", &S::WBuchungsart},
    {u"WAbsender", &S::WAbsender},
    {u"WVerwendungszweck", &S::WVerwendungszweck},
    {u"WBuchungsdatum", &S::WBuchungsdatum},
    {u"WSollhaben", &S::WSollhaben},
    {u"WBetrag", &S::WBetrag},
    {u"WKontostand", &S::WKontostand},
    {u"WBuchungsart2", &S::WBuchungsart2},
    {u"WAbsender2", &S::WAbsender2},
    {u"WVerwendungszweck2", &S::WVerwendungszweck2},
    {u"WSollhaben2", &S::WSollhaben2},
    {u"WBetrag2", &S::WBetrag2},
    {u"WKontostand2", &S::WKontostand2},
    {u"Kontoinhaber", &S::Kontoinhaber},
    {u"Kontobezeichnung", &S::Kontobezeichnung},
    {u"Kontonummer", &S::Kontonummer},
    {u"Bankleitzahl", &S::Bankleitzahl},
    {u"Institut", &S::Institut},
    {u"IBAN", &S::IBAN},
    {u"BIC", &S::BIC},
    {u"20", &S::Formular20},
});

} // namespace

std::span<const SettingsField> ProgramSettingsFields() {
    return ProgramFields;
}

std::span<const SettingsField> FileSettingsFields() {
    return FileFields;
}

} // namespace penvaro::platform
