#pragma once

#include "formprint.h"

#include <cstdint>
#include <string>

namespace penvaro::core {

// The form number printed in the lower right corner of the bank's paper form; the values are
// the codes stored in saved transfers.
enum class PaymentFormType : std::int16_t {
    DirectDebit05 = 5,
    Transfer16 = 16,
    Transfer18 = 18,
    Transfer20 = 20,
    Transfer24 = 24,
    CashOnDelivery51 = 51,
    Postbank = 99,
};

// The page "Überweisungen" as typed; each member is named after its field without the "E".
// Texts are UTF-8 and printed exactly as typed.
struct TransferOrder {
    PaymentFormType form = PaymentFormType::Transfer20;
    std::string AuftraggeberBank;
    std::string AuftraggeberBLZ;
    std::string Empfaenger;
    std::string Kontonr;
    std::string BLZ;
    std::string Bank;
    std::string DMEUR = "EUR";
    std::string Betrag;
    std::string Verwendung1;
    std::string Verwendung2;
    std::string Auftraggeber;
    std::string EigeneKontonr;
    std::string Ausfuehrungsdatum;
    bool Anschriftweitergabe = false;
    std::string PostbankA;
    std::string PostbankB; // day and month behind the mask, "05.11."
    bool PostbankC = false;

    friend bool operator==(const TransferOrder &, const TransferOrder &) = default;
};

// The transfer, direct-debit or paying-in form as it is written onto the bank's paper, before
// the correction; today is the day count of the printing day.
FormPage TransferFormPage(const TransferOrder &order, double today);

// The plain-paper receipt of the order, printed without correction.
FormPage TransferReceiptPage(const TransferOrder &order);

} // namespace penvaro::core
