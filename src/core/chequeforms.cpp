#include "chequeforms.h"

#include "amountinwords.h"
#include "typedamount.h"

namespace penvaro::core {
namespace {

// Both cheques have their lines 84 apart below a base line; the amount is framed by "*" so
// that nothing can be written in front of it or behind it.
constexpr int linePitch = 84;

std::string framedAmount(const std::string &amount) {
    return "*" + amount + "*";
}

// The words of the amount as the amount reader reads it; an amount it refuses has no words,
// and such a cheque is never printed by the payment window.
ChequeWordLines crossedWords(const std::string &typed) {
    const auto amount = ReadTypedAmount(typed);
    return amount ? CrossedChequeWords(*amount) : ChequeWordLines{"*", "*"};
}

std::string euroWords(const std::string &typed) {
    const auto amount = ReadTypedAmount(typed);
    return amount ? EuroChequeWords(*amount) : "*";
}

constexpr int receiptLineY(int k) {
    return -275 - 50 * k;
}

} // namespace

FormPage CrossedChequePage(const CrossedCheque &cheque) {
    constexpr int baseLine = -90;
    constexpr auto line = [](int k) { return baseLine - linePitch * k; };
    const CanvasFont font = FormFont(52);
    const CanvasFont amountFont = FormFont(60);
    const ChequeWordLines words = crossedWords(cheque.Betrag);
    return {"Tarvel SoftLabs. - Überweisungsdrucker",
            {
                {50, line(1), words.first, font},
                {50, line(2), words.second, font},
                {850, line(2), cheque.DMEUR, amountFont},
                {1035, line(2), framedAmount(cheque.Betrag), amountFont},
                {1000, baseLine - 294, cheque.Ort, font}, // line 3.5
                {1000, line(4), cheque.Datum, font},
                {100, line(4), cheque.Empfaenger[0], font},
                {100, line(5), cheque.Empfaenger[1], font},
                {100, line(6), cheque.Empfaenger[2], font},
                {100, line(7), cheque.Empfaenger[3], font},
            },
            true};
}

FormPage EuroChequePage(const EuroCheque &cheque) {
    constexpr int baseLine = -120;
    constexpr auto line = [](int k) { return baseLine - linePitch * k; };
    const CanvasFont font = FormFont(40);
    const CanvasFont amountFont = FormFont(50);
    return {"Tarvel Software - Euroscheckdrucker",
            {
                {210, line(0), euroWords(cheque.Betrag), font},
                {210, line(1), cheque.Empfaenger, font},
                {1050, line(0) + 10, cheque.Waehrung, amountFont},
                {1150, line(0) + 10, framedAmount(cheque.Betrag), amountFont},
                {1050, line(1), cheque.Ort, font},
                {1100, line(2) + 10, cheque.Datum, font},
            },
            true};
}

FormPage CrossedChequeReceiptPage(const CrossedCheque &cheque) {
    FormPage page{"Tarvel SoftLabs. - Penvaro 2011",
                  {{700, -100, "Verrechnungsscheckbericht", ReceiptHeadingFont()},
                   {150, receiptLineY(0), "Empfänger:", ReceiptFont()}}};
    for (int k = 0; k < 4; ++k)
        page.texts.push_back({600, receiptLineY(k), cheque.Empfaenger[k], ReceiptFont()});
    page.texts.insert(page.texts.end(),
                      {
                          {150, -475, "Betrag:", ReceiptFont(true)},
                          {600, -475, cheque.Betrag + " " + cheque.DMEUR, ReceiptFont(true)},
                          {150, -525, "Ausstellungsort:", ReceiptFont()},
                          {600, -525, cheque.Ort, ReceiptFont()},
                          {150, -575, "Datum", ReceiptFont()},
                          {600, -575, cheque.Datum, ReceiptFont()},
                      });
    return page;
}

FormPage EuroChequeReceiptPage(const EuroCheque &cheque) {
    return {"Tarvel SoftLabs. - Penvaro 2011",
            {
                {700, -100, "Euroscheckbericht", ReceiptHeadingFont()},
                {150, -275, "Empfänger:", ReceiptFont()},
                {600, -275, cheque.Empfaenger, ReceiptFont()},
                {150, -375, "Betrag:", ReceiptFont(true)},
                {600, -375, cheque.Betrag + " " + cheque.Waehrung, ReceiptFont(true)},
                {150, -425, "Ausstellungsort:", ReceiptFont()},
                {600, -425, cheque.Ort, ReceiptFont()},
                {150, -475, "Datum", ReceiptFont()},
                {600, -475, cheque.Datum, ReceiptFont()},
            }};
}

} // namespace penvaro::core
