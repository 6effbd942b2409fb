#include "transferform.h"

namespace penvaro::core {
namespace {

std::string heading(PaymentFormType form) {
    switch (form) {
    case PaymentFormType::DirectDebit05:
        return "Lastschriftbericht";
    case PaymentFormType::CashOnDelivery51:
        return "Nachnahmebericht";
    default:
        return "Überweisungsbericht";
    }
}

// Who the entered party is, as the receipt names it; the Postbank form names nobody.
std::string partyLabel(PaymentFormType form) {
    switch (form) {
    case PaymentFormType::DirectDebit05:
        return "Zahlungspflichtiger:";
    case PaymentFormType::CashOnDelivery51:
        return "Einzahler:";
    case PaymentFormType::Postbank:
        return {};
    default:
        return "Empfänger:";
    }
}

} // namespace

FormPage TransferReceiptPage(const TransferOrder &order) {
    using enum PaymentFormType;
    const PaymentFormType form = order.form;
    FormPage page{"Tarvel SoftLabs. - Überweisungsdrucker", {}};
    const auto put = [&](int x, int y, const std::string &text, bool bold = false) {
        page.texts.push_back({x, y, text, ReceiptFont(bold)});
    };
    constexpr bool bold = true;

    page.texts.push_back({700, -100, heading(form), ReceiptHeadingFont()});
    const std::string orderingParty =
        "Auftraggeber: " + order.Auftraggeber + ", Kontonummer: " + order.EigeneKontonr;
    switch (form) {
    case Transfer20:
        put(400, -200, orderingParty, bold);
        break;
    case Transfer16:
    case Transfer24:
        put(300, -200, orderingParty + ", BLZ: " + order.AuftraggeberBLZ, bold);
        break;
    case Transfer18:
        put(400, -175, orderingParty, bold);
        put(400, -225, "BLZ: " + order.AuftraggeberBLZ + ", Institut: " + order.AuftraggeberBank,
            bold);
        break;
    case DirectDebit05:
        put(400, -200,
            "Zahlungsempfänger: " + order.Auftraggeber + ", Kontonummer: " + order.EigeneKontonr,
            bold);
        break;
    case CashOnDelivery51:
        put(400, -175,
            "Gutschriftempfänger: " + order.Empfaenger + ", Kontonummer: " + order.Kontonr, bold);
        put(400, -225, "BLZ: " + order.BLZ + ", Institut: " + order.Bank, bold);
        break;
    case Postbank:
        break;
    }

    put(150, -475, partyLabel(form));
    put(600, -475, form == CashOnDelivery51 ? order.Auftraggeber : order.Empfaenger);
    if (form != CashOnDelivery51) {
        put(1180, -475, "Kontonummer:");
        put(1500, -475, order.Kontonr);
        put(150, -525, "Bankleitzahl:");
        put(600, -525, order.BLZ);
        put(1180, -525, "Institut:");
        put(1500, -525, order.Bank);
    }
    put(150, -575, "Betrag:", bold);
    put(600, -575, order.Betrag + " " + order.DMEUR, bold);
    put(150, -625, "Verwendungszweck 1:");
    put(600, -625, order.Verwendung1);
    put(150, -675, "Verwendungszweck 2:");
    put(600, -675, order.Verwendung2);
    if (form == Transfer24) {
        put(150, -725, "Ausführungsdatum");
        put(600, -725, order.Ausfuehrungsdatum);
    }
    if (form == Postbank) {
        put(150, -725, "Ausführungsdatum");
        put(600, -725, order.PostbankB);
        put(150, -775, "Auftragsbearbeitung");
        put(600, -775, order.PostbankA);
        put(150, -825, "Buchungsbestätigung");
        put(600, -825, order.PostbankC ? "Ja" : "Nein");
    }
    return page;
}

} // namespace penvaro::core
