#include "support/printedtexts.h"
#include "support/records.h"

#include "core/transferform.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace penvaro;
using core::PaymentFormType;
using penvaro::testing::PrintedText;
using penvaro::testing::PrintedTexts;

namespace {

core::TransferOrder Order(PaymentFormType form) {
    core::TransferOrder order;
    order.form = form;
    order.AuftraggeberBank = "Sparkasse Musterstadt";
    order.AuftraggeberBLZ = "37050198";
    order.Empfaenger = "Müller GmbH";
    order.Kontonr = "1234567";
    order.BLZ = "20050550";
    order.Bank = "Haspa";
    order.Betrag = "125,50";
    order.Verwendung1 = "Rechnung 17";
    order.Verwendung2 = "Kunde 4711";
    order.Auftraggeber = "Erika Muster";
    order.EigeneKontonr = "7654321";
    order.Ausfuehrungsdatum = "051126";
    order.Anschriftweitergabe = true;
    order.PostbankA = "3";
    order.PostbankB = "05.11.";
    order.PostbankC = true;
    return order;
}

const double printingDay = penvaro::testing::Day("10.12.2026");

bool contains(const std::vector<PrintedText> &texts, const PrintedText &wanted) {
    return std::find(texts.begin(), texts.end(), wanted) != texts.end();
}

bool printsText(const std::vector<PrintedText> &texts, const std::string &text) {
    return std::any_of(texts.begin(), texts.end(),
                       [&](const PrintedText &t) { return t.text == text; });
}

} // namespace

TEST(TransferForm, Form24WritesEveryFieldAtItsPlaceInCourierNew) {
    penvaro::testing::RecordingCanvas canvas;
    ASSERT_TRUE(core::PrintFormPage(
        canvas, core::TransferFormPage(Order(PaymentFormType::Transfer24), printingDay)));

    const std::vector<PrintedText> expected = {
        {650, -41, "37050198"},     {70, -126, "Müller GmbH"}, {70, -211, "1234567"},
        {1050, -211, "20050550"},   {70, -296, "Haspa"},       {635, -381, "EUR"},
        {850, -381, "125,50"},      {70, -466, "Rechnung 17"}, {70, -551, "Kunde 4711"},
        {70, -636, "Erika Muster"}, {70, -721, "7654321"},     {400, -849, "10.12.2026"},
        {635, -721, "051126"},      {1352, -636, "X"},
    };
    EXPECT_EQ(expected, PrintedTexts(canvas));
    EXPECT_EQ("Tarvel Software - Überweisungsdrucker", canvas.steps().front().text);
    for (const auto &step : canvas.texts())
        EXPECT_EQ((core::CanvasFont{"Courier New", 52, true}), step.font) << step.text;
    EXPECT_EQ(penvaro::testing::RecordingCanvas::Op::End, canvas.steps().back().op);
}

TEST(TransferForm, EachFormTypeWritesItsOwnFields) {
    struct Case {
        const char *name;
        PaymentFormType form;
        std::vector<PrintedText> written;
        std::vector<std::string> notWritten;
    };
    const Case cases[] = {
        {"20 writes no ordering bank and no extras",
         PaymentFormType::Transfer20,
         {{70, -721, "7654321"}, {400, -849, "10.12.2026"}},
         {"37050198", "Sparkasse Musterstadt", "051126", "X", "3"}},
        {"16 writes the ordering bank code on line 0",
         PaymentFormType::Transfer16,
         {{650, -41, "37050198"}},
         {"Sparkasse Musterstadt", "051126", "X"}},
        {"18 writes bank name and code half a line above line 0",
         PaymentFormType::Transfer18,
         {{70, 1, "Sparkasse Musterstadt"}, {780, 1, "37050198"}},
         {"051126", "X"}},
        {"51 writes neither own account number nor date",
         PaymentFormType::CashOnDelivery51,
         {{70, -636, "Erika Muster"}},
         {"7654321", "10.12.2026", "37050198"}},
        {"Postbank writes box A, the date digits one by one and box C",
         PaymentFormType::Postbank,
         {{625, -721, "3"},
          {765, -721, "0"},
          {815, -721, "5"},
          {915, -721, "1"},
          {965, -721, "1"},
          {1165, -721, "X"}},
         {"05.11.", "051126", "37050198"}},
    };
    for (const Case &c : cases) {
        const auto texts = PrintedTexts(core::TransferFormPage(Order(c.form), printingDay));
        for (const PrintedText &wanted : c.written)
            EXPECT_TRUE(contains(texts, wanted)) << c.name << ": " << wanted;
        for (const std::string &text : c.notWritten)
            EXPECT_FALSE(printsText(texts, text)) << c.name << ": " << text;
    }
}

TEST(TransferForm, EmptyTextsAndUncheckedCrossesPrintNothing) {
    core::TransferOrder order = Order(PaymentFormType::Postbank);
    order.PostbankB = "5.1"; // a short text leaves the missing boxes empty
    order.PostbankC = false;
    order.Betrag.clear();
    order.DMEUR.clear();
    const auto texts = PrintedTexts(core::TransferFormPage(order, printingDay));
    EXPECT_TRUE(contains(texts, {765, -721, "5"}));
    EXPECT_TRUE(contains(texts, {815, -721, "."}));
    EXPECT_FALSE(std::any_of(texts.begin(), texts.end(), [](const PrintedText &t) {
        return t.x == 915 || t.x == 965 || t.x == 1165 || t.y == -381 || t.text.empty();
    }));

    order = Order(PaymentFormType::Transfer24);
    order.Anschriftweitergabe = false;
    EXPECT_FALSE(printsText(PrintedTexts(core::TransferFormPage(order, printingDay)), "X"));
}

TEST(TransferForm, CorrectionShiftsFormsButNotReceipts) {
    struct Case {
        core::PrintCorrection correction;
        PrintedText recipient;
        PrintedText orderingBank18;
    };
    const Case cases[] = {
        {{0, 0}, {70, -126, "Müller GmbH"}, {70, 1, "Sparkasse Musterstadt"}},
        {{20, -15}, {90, -111, "Müller GmbH"}, {90, 16, "Sparkasse Musterstadt"}},
        {{0, 15}, {70, -141, "Müller GmbH"}, {70, -14, "Sparkasse Musterstadt"}},
    };
    for (const Case &c : cases) {
        const auto texts = PrintedTexts(
            core::TransferFormPage(Order(PaymentFormType::Transfer18), printingDay), c.correction);
        EXPECT_TRUE(contains(texts, c.recipient)) << c.recipient;
        EXPECT_TRUE(contains(texts, c.orderingBank18)) << c.orderingBank18;
    }
}

TEST(TransferForm, PrinterFailureEndsTheJob) {
    penvaro::testing::RecordingCanvas canvas;
    canvas.failBeginWith("Kein Drucker");
    const auto begun =
        core::PrintFormPage(canvas, core::TransferFormPage(Order(PaymentFormType::Transfer20), 0));
    ASSERT_FALSE(begun);
    EXPECT_EQ("Kein Drucker", begun.error().message);
    EXPECT_TRUE(canvas.steps().empty());

    canvas.failEndWith("Papierstau");
    EXPECT_FALSE(
        core::PrintFormPage(canvas, core::TransferFormPage(Order(PaymentFormType::Transfer20), 0)));
}

TEST(TransferReceipt, Form18ListsTheWholeOrderInArial) {
    const core::FormPage page = core::TransferReceiptPage(Order(PaymentFormType::Transfer18));
    penvaro::testing::RecordingCanvas canvas;
    ASSERT_TRUE(core::PrintFormPage(canvas, page, {20, -15})); // receipts ignore the correction
    const std::vector<PrintedText> expected = {
        {700, -100, "Überweisungsbericht"},
        {400, -175, "Auftraggeber: Erika Muster, Kontonummer: 7654321"},
        {400, -225, "BLZ: 37050198, Institut: Sparkasse Musterstadt"},
        {150, -475, "Empfänger:"},
        {600, -475, "Müller GmbH"},
        {1180, -475, "Kontonummer:"},
        {1500, -475, "1234567"},
        {150, -525, "Bankleitzahl:"},
        {600, -525, "20050550"},
        {1180, -525, "Institut:"},
        {1500, -525, "Haspa"},
        {150, -575, "Betrag:"},
        {600, -575, "125,50 EUR"},
        {150, -625, "Verwendungszweck 1:"},
        {600, -625, "Rechnung 17"},
        {150, -675, "Verwendungszweck 2:"},
        {600, -675, "Kunde 4711"},
    };
    EXPECT_EQ(expected, PrintedTexts(canvas));
    EXPECT_EQ("Tarvel SoftLabs. - Überweisungsdrucker", page.title);
    for (const auto &step : canvas.texts()) {
        const bool heading = step.y1 == -100;
        const bool bold = heading || step.y1 == -175 || step.y1 == -225 || step.y1 == -575;
        EXPECT_EQ((core::CanvasFont{"Arial", heading ? 60 : 45, bold}), step.font) << step.text;
    }
}

TEST(TransferReceipt, EachFormTypeNamesItsParties) {
    struct Case {
        PaymentFormType form;
        std::vector<PrintedText> written;
        std::vector<std::string> notWritten;
    };
    const Case cases[] = {
        {PaymentFormType::Transfer20,
         {{400, -200, "Auftraggeber: Erika Muster, Kontonummer: 7654321"}},
         {"Ausführungsdatum"}},
        {PaymentFormType::Transfer16,
         {{300, -200, "Auftraggeber: Erika Muster, Kontonummer: 7654321, BLZ: 37050198"}},
         {"Ausführungsdatum"}},
        {PaymentFormType::Transfer24,
         {{300, -200, "Auftraggeber: Erika Muster, Kontonummer: 7654321, BLZ: 37050198"},
          {150, -725, "Ausführungsdatum"},
          {600, -725, "051126"}},
         {}},
        {PaymentFormType::DirectDebit05,
         {{700, -100, "Lastschriftbericht"},
          {400, -200, "Zahlungsempfänger: Erika Muster, Kontonummer: 7654321"},
          {150, -475, "Zahlungspflichtiger:"},
          {600, -475, "Müller GmbH"}},
         {"Empfänger:"}},
        {PaymentFormType::CashOnDelivery51,
         {{700, -100, "Nachnahmebericht"},
          {400, -175, "Gutschriftempfänger: Müller GmbH, Kontonummer: 1234567"},
          {400, -225, "BLZ: 20050550, Institut: Haspa"},
          {150, -475, "Einzahler:"},
          {600, -475, "Erika Muster"}},
         {"Kontonummer:", "Bankleitzahl:", "Institut:"}},
        {PaymentFormType::Postbank,
         {{600, -475, "Müller GmbH"},
          {150, -725, "Ausführungsdatum"},
          {600, -725, "05.11."},
          {150, -775, "Auftragsbearbeitung"},
          {600, -775, "3"},
          {150, -825, "Buchungsbestätigung"},
          {600, -825, "Ja"}},
         {"Empfänger:", "Auftraggeber: Erika Muster, Kontonummer: 7654321"}},
    };
    for (const Case &c : cases) {
        const auto texts = PrintedTexts(core::TransferReceiptPage(Order(c.form)));
        for (const PrintedText &wanted : c.written)
            EXPECT_TRUE(contains(texts, wanted)) << static_cast<int>(c.form) << ": " << wanted;
        for (const std::string &text : c.notWritten)
            EXPECT_FALSE(printsText(texts, text)) << static_cast<int>(c.form) << ": " << text;
    }

    core::TransferOrder unconfirmed = Order(PaymentFormType::Postbank);
    unconfirmed.PostbankC = false;
    EXPECT_TRUE(
        contains(PrintedTexts(core::TransferReceiptPage(unconfirmed)), {600, -825, "Nein"}));
}
