#pragma once

#include "formprint.h"

#include <array>
#include <string>

namespace penvaro::core {

// The page "Verrechnungsschecks" as typed (UTF-8, printed exactly as typed).
struct CrossedCheque {
    std::string DMEUR = "EUR";
    std::string Betrag;
    std::array<std::string, 4> Empfaenger; // payee lines 1 to 4
    std::string Ort;                       // place of issue
    std::string Datum;                     // date of issue as typed

    friend bool operator==(const CrossedCheque &, const CrossedCheque &) = default;
};

// The page "Euroschecks" as typed.
struct EuroCheque {
    std::string Waehrung = "EUR";
    std::string Betrag;
    std::string Empfaenger;
    std::string Ort;
    std::string Datum;

    friend bool operator==(const EuroCheque &, const EuroCheque &) = default;
};

// The cheques as written onto the bank's paper, before the correction.
FormPage CrossedChequePage(const CrossedCheque &cheque);
FormPage EuroChequePage(const EuroCheque &cheque);

// Their plain-paper receipts, printed without correction.
FormPage CrossedChequeReceiptPage(const CrossedCheque &cheque);
FormPage EuroChequeReceiptPage(const EuroCheque &cheque);

} // namespace penvaro::core
