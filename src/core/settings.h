#pragma once

#include "sortbookingtable.h"

#include <cstdint>
#include <string>

namespace penvaro::core {

// Every setting the program keeps in memory, initialised with the defaults that a clean machine
// starts with. The member names are the stored value names, except where a stored name would
// mislead (the comment gives it); texts are UTF-8.
struct Settings {
    // Program-wide values.
    std::string Datei; // the current account file; empty when none is open
    std::string Pfad;
    std::string WindowState;
    std::int32_t Breite = 750;
    std::int32_t Hoehe = 550;
    std::int32_t Tab1ZeiAbst = 18;
    std::int32_t Tab2ZeiAbst = 18;
    std::int32_t StartB = 3;
    std::int32_t KorrH = 0;
    std::int32_t KorrV = 0;
    bool StatusAN = true;
    bool SummeGan = true;
    bool SummeZan = true;
    bool SummeLan = true;
    std::string FontName = "Arial";
    std::int32_t FontSize = 9;
    bool passwordRequired = false; // stored as "Autospeichern"
    std::string storedPassword;    // stored as "Tabellenformat", in its scrambled form
    std::string AusstellOrt;

    // Values of the current account file.
    double nextCheckDay = 0.0; // stored as "LM": the next day to check for due recurring bookings
    bool AuszugsdatAN = true;
    bool BuchungsdatAN = false;
    std::string SortBy = "normal";
    bool Sort1 = true;
    bool Sort2 = true;
    bool SummeB = true;
    bool SummeBD = true;
    bool TabGepan = true;
    double Zinsen = 2.0;
    double Sollzinsen = 9.0;
    double Eurokurs = 1.95583;
    std::string Waehrung = "DM";
    bool euroBetrag = true;
    bool natBetrag = false;
    bool euroKontostand = true;
    bool natKontostand = false;
    std::int32_t WAuszugsdatum = 75;
    std::int32_t WWertdatum = 100;
    std::int32_t WBuchungsart = 50;
    std::int32_t WAbsender = 150;
    std::int32_t WVerwendungszweck = 150;
    std::int32_t WBuchungsdatum = 75;
    std::int32_t WSollhaben = 25;
    std::int32_t WBetrag = 100;
    std::int32_t WKontostand = 100;
    std::int32_t WBuchungsart2 = 50;
    std::int32_t WAbsender2 = 150;
    std::int32_t WVerwendungszweck2 = 150;
    std::int32_t WSollhaben2 = 25;
    std::int32_t WBetrag2 = 100;
    std::int32_t WKontostand2 = 100;
    std::string Kontoinhaber;
    std::string Kontobezeichnung;
    std::string Kontonummer;
    std::string Bankleitzahl;
    std::string Institut;
    std::string IBAN; // electronic form
    std::string BIC;
    bool Formular20 = true; // stored as "20": transfer form 20 chosen rather than form 24

    friend bool operator==(const Settings &, const Settings &) = default;
};

inline SortOrder SortOrderFromSettings(const Settings &settings) {
    return SortOrder{DoneOrderFromSetting(settings.SortBy), settings.Sort1, settings.Sort2};
}

} // namespace penvaro::core
