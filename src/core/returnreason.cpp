#include "returnreason.h"

#include "iban.h"

#include <algorithm>
#include <array>

namespace penvaro::core {
namespace {

struct Reason {
    std::string_view code;
    std::string_view words;
};

// The codes that the SEPA rulebooks allow for returns and rejects of direct debits and
// transfers.
constexpr std::array<Reason, 29> reasons{{
    {"AC01", "IBAN fehlerhaft"},
    {"AC04", "Konto erloschen"},
    {"AC06", "Konto gesperrt"},
    {"AC13", "Kontoart für Lastschriften unzulässig"},
    {"AG01", "Lastschrift auf diesem Konto nicht zulässig"},
    {"AG02", "Ungültiger Zahlungsvorgang"},
    {"AM04", "Deckung unzureichend"},
    {"AM05", "Doppelte Einreichung"},
    {"BE05", "Gläubiger unbekannt"},
    {"CNOR", "Bank des Gläubigers nicht erreichbar"},
    {"CUST", "Abgelehnt vom Zahler"},
    {"DNOR", "Bank des Zahlers nicht erreichbar"},
    {"DUPL", "Doppelte Zahlung"},
    {"FF01", "Ungültiges Dateiformat"},
    {"FOCR", "Rückgabe nach Rückruf"},
    {"MD01", "Kein Mandat"},
    {"MD02", "Mandatsdaten fehlen oder sind falsch"},
    {"MD06", "Widerspruch"},
    {"MD07", "Kontoinhaber verstorben"},
    {"MS02", "Widerspruch des Zahlers ohne Angabe von Gründen"},
    {"MS03", "Ohne Angabe von Gründen"},
    {"RC01", "BIC fehlerhaft"},
    {"RR01", "Kontonummer oder Name des Zahlers fehlt (aufsichtsrechtlich)"},
    {"RR02", "Name oder Anschrift des Zahlers fehlt (aufsichtsrechtlich)"},
    {"RR03", "Name oder Anschrift des Gläubigers fehlt (aufsichtsrechtlich)"},
    {"RR04", "Aufsichtsrechtliche Gründe"},
    {"SL01", "Lastschriftsperre der Bank des Zahlers"},
    {"TM01", "Nach Annahmeschluss eingegangen"},
    {"UPAY", "Zahlung nicht gerechtfertigt"},
}};

} // namespace

std::string ReturnReasonText(std::string_view code) {
    const std::string normal = ElectronicForm(code);
    if (normal.empty())
        return "Rückgabegrund nicht angegeben";
    const auto row = std::find_if(reasons.begin(), reasons.end(),
                                  [&](const Reason &r) { return r.code == normal; });
    if (row == reasons.end())
        return normal + " (unbekannter Rückgabegrund)";
    return normal + " " + std::string(row->words);
}

} // namespace penvaro::core
