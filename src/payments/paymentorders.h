#pragma once

#include "core/chequeforms.h"
#include "core/transferform.h"

#include <QString>

#include <array>
#include <cstdint>

namespace penvaro::payments {

// What the transfer page holds for printing, exactly as typed: the form type and the texts of
// its fields by their names.
struct TransferOrder {
    std::int16_t formType = 20;
    QString AuftraggeberBank;
    QString AuftraggeberBLZ;
    QString Empfaenger;
    QString Kontonr;
    QString BLZ;
    QString Bank;
    QString DMEUR;
    QString Betrag;
    QString Verwendung1;
    QString Verwendung2;
    QString Auftraggeber;
    QString EigeneKontonr;
    QString Ausfuehrungsdatum;
    bool Anschriftweitergabe = false;
    QString PostbankA;
    QString PostbankB; // "dd.mm." as shown, blanks where nothing was typed
    bool PostbankC = false;
    bool saveAsTemplate = false;

    friend bool operator==(const TransferOrder &, const TransferOrder &) = default;
};

// The page "Verrechnungsschecks" as typed.
struct CrossedChequeOrder {
    QString DMEUR;
    QString Betrag;
    std::array<QString, 4> Empfaenger;
    QString Ort;
    QString Datum;

    friend bool operator==(const CrossedChequeOrder &, const CrossedChequeOrder &) = default;
};

// The page "Euroschecks" as typed.
struct EuroChequeOrder {
    QString Waehrung;
    QString Betrag;
    QString Empfaenger;
    QString Ort;
    QString Datum;

    friend bool operator==(const EuroChequeOrder &, const EuroChequeOrder &) = default;
};

// The orders as the printouts and bookings take them.
core::TransferOrder ToPrintable(const TransferOrder &order);
core::CrossedCheque ToPrintable(const CrossedChequeOrder &order);
core::EuroCheque ToPrintable(const EuroChequeOrder &order);

} // namespace penvaro::payments
