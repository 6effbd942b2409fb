#include "support/recordingcanvas.h"
#include "support/records.h"

#include "core/overviewprintout.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace penvaro;
using penvaro::testing::RecordingCanvas;

namespace {

core::RegisterEntry entry(int number, std::int64_t balance) {
    core::RegisterEntry e;
    e.Dateiname.setUtf8("/home/anna/konto" + std::to_string(number) + ".p11");
    e.Kontonummer.setUtf8(std::to_string(1000 + number));
    e.Kontobezeichnung.setUtf8("Konto " + std::to_string(number));
    e.Kontostand = balance;
    return e;
}

} // namespace

TEST(OverviewPrintout, SixtyAccountsFillOnePageAndPartOfTheNext) {
    core::AccountRegister accounts;
    for (int i = 1; i <= 60; ++i)
        accounts.entries.push_back(entry(i, 10000));
    RecordingCanvas canvas;
    ASSERT_TRUE(core::PrintAccountsOverview(canvas, accounts, penvaro::testing::Day("10.12.2026"),
                                            core::GermanSeparators));

    EXPECT_EQ(canvas.steps().front().text, "");
    EXPECT_EQ(canvas.pages(), 2);
    std::vector<std::tuple<int, int>> names;
    for (const auto &s : canvas.texts())
        if (s.text.starts_with("Konto ") && s.x1 == 100)
            names.emplace_back(s.page, s.y1);
    ASSERT_EQ(names.size(), 60u);
    EXPECT_EQ(names[0], std::make_tuple(1, -350));
    EXPECT_EQ(names[45], std::make_tuple(1, -2600));
    EXPECT_EQ(names[46], std::make_tuple(2, -350));
    EXPECT_EQ(names[59], std::make_tuple(2, -1000));

    const auto heading = canvas.texts();
    int titles = 0;
    for (const auto &s : heading)
        if (s.text == "Kontoübersicht" && s.x1 == 1000 && s.y1 == -60)
            ++titles;
    EXPECT_EQ(titles, 2);
    const auto balance = canvas.findText("1,00 €");
    EXPECT_EQ(std::make_tuple(balance->x1, balance->align),
              std::make_tuple(900, core::TextAlign::Right));
    const auto saldo = canvas.findText("Saldo vom 10.12.2026:       60,00 €");
    ASSERT_TRUE(saldo);
    EXPECT_EQ(std::make_tuple(saldo->x1, saldo->y1, saldo->font.cellHeight),
              std::make_tuple(900, -1150, 40));
}

TEST(OverviewPrintout, TotalKeepsToTheLargestAmountThatCanBeWritten) {
    core::AccountRegister accounts;
    accounts.entries = {entry(1, INT64_MAX), entry(2, INT64_MAX)};
    EXPECT_EQ(core::AccountsTotal(accounts), INT64_MAX);
    accounts.entries = {entry(1, 10000000), entry(2, -2505000), entry(3, 123400)};
    EXPECT_EQ(core::AccountsTotal(accounts), 7618400);
}
