#include "support/printedtexts.h"

#include "core/date.h"
#include "core/sepaform.h"

#include <gtest/gtest.h>

using namespace penvaro;
using penvaro::testing::PrintedText;
using penvaro::testing::PrintedTexts;

namespace {

const core::SepaDebtor club{"SV Grün-Weiß e.V.", "DE89370400440532013000", "COBADEFFXXX",
                            "Commerzbank Köln"};

core::SepaTransfer invoice() {
    return {"Stadtwerke Köln",
            "DE02120300000000202051",
            "BYLADEM1001",
            123456700,
            "Kundennummer 4711 Rechnung 2026-12 Abschlag Dezember",
            0.0};
}

} // namespace

TEST(SepaForm, WritesEveryFieldOnTheLineGridWithTheCorrection) {
    const double today = *core::ParseDate("11.12.2026");
    const std::vector<PrintedText> expected = {
        {90, 16, "Commerzbank Köln"},
        {800, 16, "COBADEFFXXX"},
        {90, -111, "Stadtwerke Köln"},
        {90, -196, "DE02120300000000202051"},
        {90, -281, "BYLADEM1001"},
        {870, -366, "12.345,67"},
        {90, -451, "Kundennummer 4711 Rechnung "},
        {90, -536, "2026-12 Abschlag Dezember"},
        {90, -621, "SV Grün-Weiß e.V."},
        {90, -706, "DE89370400440532013000"},
        {420, -834, "11.12.2026"},
    };
    EXPECT_EQ(expected,
              PrintedTexts(core::SepaTransferFormPage(invoice(), club, today), {20, -15}));
}

TEST(SepaForm, RefusesWhatTheFormHasNoRoomFor) {
    auto transfer = invoice();
    EXPECT_TRUE(core::FitsSepaPaperForm(transfer));
    transfer.name = std::string(27, 'N');
    transfer.purpose = std::string(54, 'V');
    EXPECT_TRUE(core::FitsSepaPaperForm(transfer));
    transfer.name = std::string(26, 'N') + "ÄÖ";
    EXPECT_FALSE(core::FitsSepaPaperForm(transfer));
    transfer.name = "Ä";
    transfer.purpose += "ü";
    const auto refused = core::FitsSepaPaperForm(transfer);
    ASSERT_FALSE(refused);
    EXPECT_NE(std::string::npos, refused.error().message.find("Verwendungszweck"));
}

TEST(SepaForm, ReceiptListsTheTransferWithoutCorrection) {
    auto transfer = invoice();
    transfer.execution = *core::ParseDate("15.01.2027");
    const auto page = core::SepaTransferReceiptPage(transfer, club, 0.0);
    EXPECT_FALSE(page.corrected);
    const auto texts = PrintedTexts(page, {20, -15});
    const auto has = [&](PrintedText t) {
        return std::find(texts.begin(), texts.end(), t) != texts.end();
    };
    EXPECT_TRUE(has({700, -100, "SEPA-Überweisungsbericht"}));
    EXPECT_TRUE(has({600, -525, "DE02 1203 0000 0000 2020 51"}));
    EXPECT_TRUE(has({600, -625, "12.345,67 EUR"}));
    EXPECT_TRUE(has({600, -775, "15.01.2027"}));
}
