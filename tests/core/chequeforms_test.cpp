#include "support/printedtexts.h"

#include "core/amountinwords.h"
#include "core/chequeforms.h"

#include <gtest/gtest.h>

using namespace penvaro;
using penvaro::testing::PrintedText;
using penvaro::testing::PrintedTexts;

namespace {

core::CrossedCheque Crossed(const std::string &amount) {
    core::CrossedCheque cheque;
    cheque.Betrag = amount;
    cheque.Empfaenger = {"Verein", "", "", ""};
    cheque.Ort = "Musterstadt";
    cheque.Datum = "10.12.2026";
    return cheque;
}

} // namespace

TEST(ChequeWords, WordsOfTheWholeEurosSplitAfterTheThirdDigitAndStopAtFortyCharacters) {
    struct Case {
        std::int64_t amount;
        const char *words;
        const char *first;
        const char *second;
        const char *oneLine;
    };
    const Case cases[] = {
        {12500000, "*eins*zwei*fuenf*null*", "*eins*zwei*fuenf*", "*null*",
         "*eins*zwei*fuenf*null*"},
        {12345600, "*eins*zwei*drei*vier*", "*eins*zwei*drei*", "*vier*", "*eins*zwei*drei*vier*"},
        {1000000000, "*eins*null*null*null*null*null*", "*eins*null*null*", "*null*null*null*",
         "*eins*null*null*null*null*null*"},
        {1500000, "*eins*fuenf*null*", "*eins*fuenf*null*", "*", "*eins*fuenf*null*"},
        {12345678900000, "*eins*zwei*drei*vier*fuenf*sechs*sieben*acht*neun*null*",
         "*eins*zwei*drei*", "*vier*fuenf*sechs*sieben*acht*neun*null*",
         "*eins*zwei*drei*vier*fuenf*sechs*sieben*"},
        {123456789010000, "*eins*zwei*drei*vier*fuenf*sechs*sieben*acht*neun*null*eins*",
         "*eins*zwei*drei*", "*vier*fuenf*sechs*sieben*acht*neun*null*",
         "*eins*zwei*drei*vier*fuenf*sechs*sieben*"},
        {777777770000, "*sieben*sieben*sieben*sieben*sieben*sieben*sieben*sieben*",
         "*sieben*sieben*sieben*", "*sieben*sieben*sieben*sieben*sieben*",
         "*sieben*sieben*sieben*sieben*sieben*sieb"},
        {5000, "*null*", "*null*", "*", "*null*"},
        {750000, "*sieben*fuenf*", "*sieben*fuenf*", "*", "*sieben*fuenf*"},
        {-750000, "*", "*", "*", "*"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.amount);
        EXPECT_EQ(c.words, core::AmountInWords(c.amount));
        EXPECT_EQ((core::ChequeWordLines{c.first, c.second}), core::CrossedChequeWords(c.amount));
        EXPECT_EQ(c.oneLine, core::EuroChequeWords(c.amount));
    }
}

TEST(ChequeWords, ChequesSpellTheWholeTypedAmountAndNothingForARefusedOne) {
    struct Case {
        const char *typed;
        const char *first;
        const char *second;
        const char *euroLine;
    };
    const Case cases[] = {
        {"1.234,56", "*eins*zwei*drei*", "*vier*", "*eins*zwei*drei*vier*"},
        {"100.000,00", "*eins*null*null*", "*null*null*null*", "*eins*null*null*null*null*null*"},
        {"1.23,45", "*", "*", "*"},
        {"-50,00", "*", "*", "*"},
        {"", "*", "*", "*"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        const auto crossed = PrintedTexts(core::CrossedChequePage(Crossed(c.typed)));
        EXPECT_EQ((PrintedText{50, -174, c.first}), crossed[0]);
        EXPECT_EQ((PrintedText{50, -258, c.second}), crossed[1]);
        EXPECT_EQ((PrintedText{1035, -258, "*" + std::string(c.typed) + "*"}), crossed[3]);
        core::EuroCheque euro;
        euro.Betrag = c.typed;
        EXPECT_EQ((PrintedText{210, -120, c.euroLine}),
                  PrintedTexts(core::EuroChequePage(euro))[0]);
    }
}

TEST(CrossedCheque, WritesWordsAmountPlaceDateAndPayee) {
    core::CrossedCheque cheque = Crossed("1250,00");
    cheque.Empfaenger = {"Sportverein", "Abteilung Tennis", "Postfach 7", "12345 Musterstadt"};
    penvaro::testing::RecordingCanvas canvas;
    ASSERT_TRUE(core::PrintFormPage(canvas, core::CrossedChequePage(cheque)));
    const std::vector<PrintedText> expected = {
        {50, -174, "*eins*zwei*fuenf*"},
        {50, -258, "*null*"},
        {850, -258, "EUR"},
        {1035, -258, "*1250,00*"},
        {1000, -384, "Musterstadt"},
        {1000, -426, "10.12.2026"},
        {100, -426, "Sportverein"},
        {100, -510, "Abteilung Tennis"},
        {100, -594, "Postfach 7"},
        {100, -678, "12345 Musterstadt"},
    };
    EXPECT_EQ(expected, PrintedTexts(canvas));
    EXPECT_EQ("Tarvel SoftLabs. - Überweisungsdrucker", canvas.steps().front().text);
    for (const auto &step : canvas.texts())
        EXPECT_EQ(
            (core::CanvasFont{"Courier New", step.y1 == -258 && step.x1 > 800 ? 60 : 52, true}),
            step.font)
            << step.text;
}

TEST(CrossedCheque, ShortAndEmptyAmountsStillFillBothWordLines) {
    const auto small = PrintedTexts(core::CrossedChequePage(Crossed("150")));
    EXPECT_EQ((PrintedText{50, -174, "*eins*fuenf*null*"}), small[0]);
    EXPECT_EQ((PrintedText{50, -258, "*"}), small[1]);

    const auto empty = PrintedTexts(core::CrossedChequePage(Crossed("")));
    EXPECT_EQ((PrintedText{50, -174, "*"}), empty[0]);
    EXPECT_EQ((PrintedText{50, -258, "*"}), empty[1]);
    EXPECT_EQ((PrintedText{1035, -258, "**"}), empty[3]);
}

TEST(CrossedCheque, CorrectionMovesEveryText) {
    const auto texts = PrintedTexts(core::CrossedChequePage(Crossed("150")), {0, 30});
    EXPECT_EQ((PrintedText{1000, -414, "Musterstadt"}), texts[4]);
    const auto shifted = PrintedTexts(core::CrossedChequePage(Crossed("150")), {-50, 0});
    EXPECT_EQ((PrintedText{0, -174, "*eins*fuenf*null*"}), shifted[0]);
}

TEST(EuroCheque, WritesOneWordLineAndTheFramedAmount) {
    core::EuroCheque cheque;
    cheque.Betrag = "75";
    cheque.Empfaenger = "Bäckerei Korn";
    cheque.Ort = "Musterstadt";
    cheque.Datum = "10.12.2026";
    penvaro::testing::RecordingCanvas canvas;
    ASSERT_TRUE(core::PrintFormPage(canvas, core::EuroChequePage(cheque)));
    const std::vector<PrintedText> expected = {
        {210, -120, "*sieben*fuenf*"}, {210, -204, "Bäckerei Korn"}, {1050, -110, "EUR"},
        {1150, -110, "*75*"},          {1050, -204, "Musterstadt"},  {1100, -278, "10.12.2026"},
    };
    EXPECT_EQ(expected, PrintedTexts(canvas));
    EXPECT_EQ("Tarvel Software - Euroscheckdrucker", canvas.steps().front().text);
    for (const auto &step : canvas.texts())
        EXPECT_EQ((core::CanvasFont{"Courier New", step.y1 == -110 ? 50 : 40, true}), step.font)
            << step.text;
    EXPECT_EQ((PrintedText{230, -150, "*sieben*fuenf*"}),
              PrintedTexts(core::EuroChequePage(cheque), {20, 30})[0]);
}

TEST(ChequeReceipts, ListPayeeAmountPlaceAndDateUncorrected) {
    core::CrossedCheque crossed = Crossed("1250,00");
    crossed.Empfaenger = {"Sportverein", "Abteilung Tennis", "", "12345 Musterstadt"};
    const std::vector<PrintedText> crossedExpected = {
        {700, -100, "Verrechnungsscheckbericht"},
        {150, -275, "Empfänger:"},
        {600, -275, "Sportverein"},
        {600, -325, "Abteilung Tennis"},
        {600, -425, "12345 Musterstadt"},
        {150, -475, "Betrag:"},
        {600, -475, "1250,00 EUR"},
        {150, -525, "Ausstellungsort:"},
        {600, -525, "Musterstadt"},
        {150, -575, "Datum"},
        {600, -575, "10.12.2026"},
    };
    EXPECT_EQ(crossedExpected, PrintedTexts(core::CrossedChequeReceiptPage(crossed), {20, 30}));

    core::EuroCheque euro;
    euro.Waehrung = "DM";
    euro.Betrag = "75";
    euro.Empfaenger = "Bäckerei Korn";
    euro.Ort = "Musterstadt";
    euro.Datum = "10.12.2026";
    const core::FormPage page = core::EuroChequeReceiptPage(euro);
    const std::vector<PrintedText> euroExpected = {
        {700, -100, "Euroscheckbericht"},
        {150, -275, "Empfänger:"},
        {600, -275, "Bäckerei Korn"},
        {150, -375, "Betrag:"},
        {600, -375, "75 DM"},
        {150, -425, "Ausstellungsort:"},
        {600, -425, "Musterstadt"},
        {150, -475, "Datum"},
        {600, -475, "10.12.2026"},
    };
    EXPECT_EQ(euroExpected, PrintedTexts(page));
    EXPECT_EQ("Tarvel SoftLabs. - Penvaro 2011", page.title);
    for (const core::PlacedText &placed : page.texts) {
        const bool heading = placed.y == -100;
        const bool bold = heading || placed.y == -375;
        EXPECT_EQ((core::CanvasFont{"Arial", heading ? 60 : 45, bold}), placed.font) << placed.text;
    }
}
