#include "support/recordingcanvas.h"

#include "core/date.h"
#include "core/listpage.h"
#include "core/prenotificationprintout.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace penvaro;
using penvaro::testing::RecordingCanvas;

namespace {

const core::SepaCreditor club{"TSV Musterstadt e.V.", "DE89370400440532013000", "COBADEFFXXX",
                              "DE98ZZZ09999999999"};

core::DirectDebit debit(int number, std::string iban, std::int64_t amount) {
    core::DirectDebit d;
    d.memberNumber = number;
    d.name = "Mitglied " + std::to_string(number);
    d.iban = std::move(iban);
    d.amount = amount;
    d.mandateReference = "M-" + std::to_string(number);
    d.sequence = number % 2 ? core::SequenceType::First : core::SequenceType::Recurring;
    d.purpose = "Mitgliedsbeitrag 01/2027 Nr " + std::to_string(number);
    return d;
}

std::vector<std::string> textsOnPage(const RecordingCanvas &canvas, int page) {
    std::vector<std::string> texts;
    for (const auto &step : canvas.texts())
        if (step.page == page)
            texts.push_back(step.text);
    return texts;
}

bool has(const std::vector<std::string> &texts, const std::string &text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

} // namespace

TEST(PreNotificationPrintout, APagePerMemberThenTheListForTheBoard) {
    RecordingCanvas canvas;
    const double due = *core::ParseDate("15.01.2027");
    ASSERT_TRUE(core::PrintPreNotifications(
        canvas, club,
        {debit(17, "AT611904300234573201", 150000), debit(18, "DE02120300000000202051", 1200000)},
        due));
    EXPECT_EQ(1, canvas.jobs());
    ASSERT_EQ(3, canvas.pages());

    const auto first = textsOnPage(canvas, 1);
    for (const char *text : {"Mitglied 17", "TSV Musterstadt e.V.", "DE98ZZZ09999999999", "M-17",
                             "15,00 EUR", "15.01.2027", "…3201", "Mitgliedsbeitrag 01/2027 Nr 17"})
        EXPECT_TRUE(has(first, text)) << text;
    EXPECT_FALSE(has(first, "M-18")) << "each member sees only his own";

    const auto list = textsOnPage(canvas, 3);
    for (const char *text : {"17", "Mitglied 18", "M-18", "FRST", "RCUR", "…2051", "120,00",
                             "2 Lastschriften", "135,00 EUR"})
        EXPECT_TRUE(has(list, text)) << text;

    // No page shows a whole IBAN of a member.
    for (const auto &step : canvas.texts()) {
        EXPECT_EQ(std::string::npos, step.text.find("AT611904300234573201")) << step.text;
        EXPECT_EQ(std::string::npos, step.text.find("0000202051")) << step.text;
    }
}

TEST(PreNotificationPrintout, ALongListGoesOnWithItsHeadings) {
    std::vector<core::DirectDebit> debits;
    for (int number = 1; number <= 60; ++number)
        debits.push_back(debit(number, "DE02120300000000202051", 10000));
    RecordingCanvas canvas;
    ASSERT_TRUE(core::PrintPreNotifications(canvas, club, debits, *core::ParseDate("15.01.2027")));
    ASSERT_EQ(62, canvas.pages());
    EXPECT_TRUE(has(textsOnPage(canvas, 62), "Mandatsreferenz")) << "the headings again";
    EXPECT_TRUE(has(textsOnPage(canvas, 62), "60 Lastschriften"));
    for (const auto &step : canvas.texts())
        EXPECT_GE(step.y1, core::LowestPrintableY) << step.text;
}

TEST(PreNotificationPrintout, AFailedStartPrintsNothing) {
    RecordingCanvas canvas;
    canvas.failBeginWith("Kein Drucker");
    const auto printed = core::PrintPreNotifications(
        canvas, club, {debit(1, "AT611904300234573201", 100)}, *core::ParseDate("15.01.2027"));
    ASSERT_FALSE(printed);
    EXPECT_EQ("Kein Drucker", printed.error().message);
    EXPECT_TRUE(canvas.texts().empty());
}
