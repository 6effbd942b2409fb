#include "optionstable.h"

#include <algorithm>
#include <utility>

namespace penvaro::options {

namespace {

using core::Settings;

// A row height that cannot be read is no reason to keep the dialog open.
constexpr std::int32_t DefaultRowHeight = 18;

const char *const rateRefused = "Ungültiger Zinssatz: ";
const char *const numberRefused = "Ungültiger Eingabewert: ";
const char *const wholeNumbersOnly = ". Bitte nur ganze Zahlen eingeben!";

FieldRange Decimals(int decimals) {
    FieldRange range;
    range.decimals = decimals;
    return range;
}

FieldRange Fallback(std::int32_t fallback) {
    FieldRange range;
    range.fallback = fallback;
    return range;
}

FieldRange Choices(std::vector<ChoiceButton> choices) {
    FieldRange range;
    range.choices = std::move(choices);
    return range;
}

FieldRange OnOff(const char *on, const char *off) {
    return Choices({{on, "angeschaltet"}, {off, "ausgeschaltet"}});
}

FieldRange Ascending(const char *up, const char *down) {
    return Choices({{up, "aufsteigend"}, {down, "absteigend"}});
}

} // namespace

const std::vector<OptionsPage> &OptionPages() {
    static const std::vector<OptionsPage> pages = {
        {"TSWaehrungZinsen", "Währung/Zinsen"},
        {"TSStartbild", "Startbildschirm"},
        {"TSAuszugsdaten", "Auszugs-/Buchungsdaten"},
        {"TSKontostand", "Kontostand"},
        {"TSSummen", "Summen"},
        {"TSGetaetigt", "\"Getätigte Buchungen\""},
        {"TSGeplant", "\"Geplante Buchungen\""},
        {"TSFormulardrucker", "Formulardrucker"},
        {"TSPasswort", "Passwort"},
        {"TSSortierung", "Sortierung"},
    };
    return pages;
}

const std::vector<OptionField> &OptionFields() {
    static const std::vector<OptionField> fields = {
        {.member = &Settings::creditInterestRate,
         .caption = "Habenzinssatz p.a. ",
         .name = "EZinsen",
         .kind = FieldKind::Decimal,
         .range = Decimals(2),
         .page = "TSWaehrungZinsen",
         .group = "Zinsen",
         .unit = "%",
         .refusal = {2, 371, rateRefused, ""}},
        {.member = &Settings::debitInterestRate,
         .caption = "Sollzinssatz p.a. ",
         .name = "ESollzinsen",
         .kind = FieldKind::Decimal,
         .range = Decimals(2),
         .page = "TSWaehrungZinsen",
         .group = "Zinsen",
         .unit = "%",
         .refusal = {3, 379999, rateRefused, ""}},
        {.member = &Settings::nationalCurrency,
         .caption = "nationale Währungseinheit",
         .name = "EWaehrung",
         .kind = FieldKind::Text,
         .range = {},
         .page = "TSWaehrungZinsen",
         .group = "Euro/Nationale Währung-Umrechnungskurs"},
        {.member = &Settings::nationalPerEuro,
         .caption = "1 € entspricht ",
         .name = "EEurokurs",
         .kind = FieldKind::Decimal,
         .range = Decimals(6),
         .page = "TSWaehrungZinsen",
         .group = "Euro/Nationale Währung-Umrechnungskurs",
         .unit = "",
         .unitName = "LWaehrung", // the currency name, as typed above
         .refusal = {1, 9999, "Ungültiger Betrag: ", ""}},
        {.member = &Settings::startScreenSeconds,
         .caption = "Anzeigedauer:",
         .name = "EStartbild",
         .kind = FieldKind::Whole,
         .range = {},
         .page = "TSStartbild",
         .group = "Startbildschirm",
         .unit = "sec.",
         .refusal = {4, 372, "Ungültiger Anzeigedauer: ", ""}},
        {.member = &Settings::keepStatementData,
         .caption = nullptr,
         .name = nullptr,
         .kind = FieldKind::Choice,
         .range = OnOff("RBAuszugsdatAn", "RBAuszugsdatAus"),
         .page = "TSAuszugsdaten",
         .group = "Auszugsdaten"},
        {.member = &Settings::keepBookingDate,
         .caption = nullptr,
         .name = nullptr,
         .kind = FieldKind::Choice,
         .range = OnOff("RBBuchungsdatAn", "RBBuchungsdatAus"),
         .page = "TSAuszugsdaten",
         .group = "Buchungsdatum"},
        {.member = &Settings::showBalanceColumn,
         .caption = nullptr,
         .name = nullptr,
         .kind = FieldKind::Choice,
         .range = OnOff("RBKontostTabAn", "RBKontostTabAus"),
         .page = "TSKontostand",
         .group = "Kontostand Tabelle"},
        {.member = &Settings::printBalanceColumn,
         .caption = nullptr,
         .name = nullptr,
         .kind = FieldKind::Choice,
         .range = OnOff("RBKontostDruAn", "RBKontostDruAus"),
         .page = "TSKontostand",
         .group = "Kontostand Drucker"},
        {.member = &Settings::showBookBalance,
         .caption = nullptr,
         .name = nullptr,
         .kind = FieldKind::Choice,
         .range = OnOff("RBSummeGetAn", "RBSummeGetAus"),
         .page = "TSSummen",
         .group = "Summenanzeige - Getätigte Buchungen"},
        {.member = &Settings::showPlannedSum,
         .caption = nullptr,
         .name = nullptr,
         .kind = FieldKind::Choice,
         .range = OnOff("RBSummeGepAn", "RBSummeGepAus"),
         .page = "TSSummen",
         .group = "Summenanzeige - Geplante Buchungen"},
        {.member = &Settings::completedRowHeight,
         .caption = "Zeilenabstand:",
         .name = "EZeilenabGet",
         .kind = FieldKind::Whole,
         .range = Fallback(DefaultRowHeight),
         .page = "TSGetaetigt",
         .group = "Tabelle \"Getätigte Buchungen\" - Zeilenabstand"},
        {.member = &Settings::completedAscending,
         .caption = nullptr,
         .name = nullptr,
         .kind = FieldKind::Choice,
         .range = Ascending("RBSortGetAuf", "RBSortGetAb"),
         .page = "TSGetaetigt",
         .group = "Tabelle \"Getätigte Buchungen\" - Sortierreihenfolge"},
        {.member = &Settings::showPlannedTable,
         .caption = nullptr,
         .name = nullptr,
         .kind = FieldKind::Choice,
         .range = OnOff("RBTabGepan", "RBTabGepaus"),
         .page = "TSGeplant",
         .group = "Tabelle \"Geplante Buchungen\" - Aktivierung"},
        {.member = &Settings::plannedRowHeight,
         .caption = "Zeilenabstand:",
         .name = "EZeilenabGep",
         .kind = FieldKind::Whole,
         .range = Fallback(DefaultRowHeight),
         .page = "TSGeplant",
         .group = "Tabelle \"Geplante Buchungen\" - Zeilenabstand"},
        {.member = &Settings::plannedAscending,
         .caption = nullptr,
         .name = nullptr,
         .kind = FieldKind::Choice,
         .range = Ascending("RBSortGepAuf", "RBSortGepAb"),
         .page = "TSGeplant",
         .group = "Tabelle \"Geplante Buchungen\" - Sortierreihenfolge"},
        {.member = &Settings::printOffsetX,
         .caption = "Korrektur:",
         .name = "EHorKorr",
         .kind = FieldKind::Whole,
         .range = {},
         .page = "TSFormulardrucker",
         .group = "Formulardrucker - Horizontale Korrektur",
         .unit = "1/10 mm",
         .refusal = {5, 990, numberRefused, wholeNumbersOnly}},
        {.member = &Settings::printOffsetY,
         .caption = "Korrektur:",
         .name = "EVerKorr",
         .kind = FieldKind::Whole,
         .range = {},
         .page = "TSFormulardrucker",
         .group = "Formulardrucker - Vertikale Korrektur",
         .unit = "1/10 mm",
         .refusal = {6, 991, numberRefused, wholeNumbersOnly}},
        {.member = &Settings::passwordRequired,
         .caption = nullptr,
         .name = nullptr,
         .kind = FieldKind::Choice,
         .range = Choices({{"RBPWan", "eingeschaltet"}, {"RBPWaus", "ausgeschaltet"}}),
         .page = "TSPasswort",
         .group = "Passwortschutz"},
        {.member = &Settings::completedOrder,
         .caption = nullptr,
         .name = nullptr,
         .kind = FieldKind::Choice,
         // A stored text of none of them orders by statement number.
         .range = Choices({{"RBSortByAuszugsnr", "nach Auszugsnummer", "normal"},
                           {"RBSortByAuszugsdat", "nach Auszugsdatum", "ad"},
                           {"RBSortByWertdat", "nach Wertdatum", "wd"}}),
         .page = "TSSortierung",
         .group = "Sortierung der Daten:"},
    };
    return fields;
}

bool InAccountFile(const OptionField &field) {
    const auto fileFields = platform::FileSettingsFields();
    return std::any_of(
        fileFields.begin(), fileFields.end(),
        [&field](const platform::SettingsField &f) { return f.member == field.member; });
}

} // namespace penvaro::options
