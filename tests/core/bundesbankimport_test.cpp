#include "support/bankcodelines.h"
#include "support/tempdir.h"

#include "core/bankcodelist.h"
#include "core/bundesbankimport.h"

#include <gtest/gtest.h>

using namespace penvaro;

namespace {

std::string padded(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

// A line as the Bundesbank publishes it, in ISO-8859-1, with the columns behind the short
// name that the program does not use but the BIC.
std::string bundesbankLine(const std::string &code, const std::string &latin1Name,
                           const std::string &postalCode, const std::string &latin1Place,
                           const std::string &latin1ShortName, const std::string &bic = {}) {
    return code + "1" + padded(latin1Name, 58) + padded(postalCode, 5) + padded(latin1Place, 35)
           + padded(latin1ShortName, 27) + "37050" + padded(bic, 11) + "09011380U000000000\r\n";
}

} // namespace

TEST(BundesbankImport, ConvertsLinesInFileOrder) {
    const std::string longPlace = "Frankfurt am Main-Niederrad Westteil"; // cut to 29
    const std::string input =
        bundesbankLine("37050198", "Sparkasse K\xF6lnBonn", "50667", "K\xF6ln",
                       "Sparkasse K\xF6lnBonn", "COLSDE33XXX")
        + bundesbankLine("50010060", "Postbank", "60288", longPlace, "Postbank Ffm") + "\r\n";
    const auto converted = core::ConvertBundesbankText(input);
    ASSERT_TRUE(converted) << converted.error().message;
    EXPECT_EQ(penvaro::testing::BankCodeLine("37050198", "Sparkasse KölnBonn", "Sparkasse KölnBonn",
                                             "50667", "Köln", "COLSDE33XXX")
                  + penvaro::testing::BankCodeLine("50010060", "Postbank", "Postbank Ffm", "60288",
                                                   longPlace.substr(0, 29)),
              *converted);
}

TEST(BundesbankImport, RefusesWhatIsNoBundesbankLine) {
    const std::string good = bundesbankLine("10000000", "Bundesbank", "10591", "Berlin", "BBk");
    struct Case {
        const char *name;
        std::string input;
        std::string line;
    };
    const Case cases[] = {
        {"short line", good + "10000000Bundesbank\r\n", "Zeile 2 "},
        {"letters in the code", "1000000X" + good.substr(8), "Zeile 1 "},
        {"already converted",
         penvaro::testing::BankCodeLine("10000000", "Bundesbank", "BBk", "10591", "Berlin"),
         "Zeile 1 "},
    };
    for (const Case &c : cases) {
        const auto converted = core::ConvertBundesbankText(c.input);
        ASSERT_FALSE(converted) << c.name;
        EXPECT_EQ(0u, converted.error().message.find(c.line)) << converted.error().message;
    }
}

TEST(BundesbankImport, ReadsEveryKindOfLineEnd) {
    // The lines without their own CR LF.
    std::string a = bundesbankLine("10000000", "Bundesbank", "10591", "Berlin", "BBk");
    std::string b = bundesbankLine("20000000", "Bundesbank", "20459", "Hamburg", "BBk");
    a.resize(a.size() - 2);
    b.resize(b.size() - 2);
    const std::string expected =
        penvaro::testing::BankCodeLine("10000000", "Bundesbank", "BBk", "10591", "Berlin")
        + penvaro::testing::BankCodeLine("20000000", "Bundesbank", "BBk", "20459", "Hamburg");
    for (const char *end : {"\r\n", "\n", "\r"}) {
        SCOPED_TRACE(::testing::PrintToString(std::string(end)));
        const auto converted = core::ConvertBundesbankText(a + end + b + end);
        ASSERT_TRUE(converted) << converted.error().message;
        EXPECT_EQ(expected, *converted);
    }
}

TEST(BundesbankImport, ASourceWithoutABankOrWithABrokenLineLeavesTheTargetAsItWas) {
    std::string good = bundesbankLine("10000000", "Bundesbank", "10591", "Berlin", "BBk");
    good.resize(good.size() - 2);
    struct Case {
        const char *name;
        std::string input;
        const char *says;
    };
    const Case cases[] = {
        {"empty", "", "keine einzige Bankleitzahl"},
        {"blank lines only", "\r\n\n\r", "keine einzige Bankleitzahl"},
        {"half broken", good + "\r" + good.substr(0, 60) + "\r" + good + "\r", "Zeile 2 "},
        {"no bank code line", "keine Bankleitzahlen\n", "Zeile 1 "},
    };
    penvaro::testing::TempDir dir;
    penvaro::testing::WriteBytes(dir.path("blz.asc"), {'a', 'l', 't'});
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        penvaro::testing::WriteBytes(dir.path("blz_neu.txt"), {c.input.begin(), c.input.end()});
        const auto imported =
            core::ImportBundesbankFile(dir.path("blz_neu.txt"), dir.path("blz.asc"));
        ASSERT_FALSE(imported);
        EXPECT_NE(std::string::npos, imported.error().message.find("blz_neu.txt"));
        EXPECT_NE(std::string::npos, imported.error().message.find(c.says))
            << imported.error().message;
        EXPECT_EQ((std::vector<std::uint8_t>{'a', 'l', 't'}),
                  penvaro::testing::ReadBytes(dir.path("blz.asc")));
    }
}

TEST(BundesbankImport, RefusedInputLeavesTheTargetAsItWas) {
    penvaro::testing::TempDir dir;
    const std::string bad = "keine Bankleitzahlen\n";
    penvaro::testing::WriteBytes(dir.path("blz_neu.txt"), {bad.begin(), bad.end()});
    penvaro::testing::WriteBytes(dir.path("blz.asc"), {'a', 'l', 't'});
    const auto imported = core::ImportBundesbankFile(dir.path("blz_neu.txt"), dir.path("blz.asc"));
    ASSERT_FALSE(imported);
    EXPECT_NE(std::string::npos, imported.error().message.find("blz_neu.txt"));
    EXPECT_EQ((std::vector<std::uint8_t>{'a', 'l', 't'}),
              penvaro::testing::ReadBytes(dir.path("blz.asc")));
}

#ifdef PENVARO_BUNDESBANK_FILE
// The file that the program ships is made from this one at build time.
TEST(BundesbankImport, RealBundesbankFileGivesBankNames) {
    penvaro::testing::TempDir dir;
    const auto target = dir.path("blz.asc");
    ASSERT_TRUE(core::ImportBundesbankFile(PENVARO_BUNDESBANK_FILE, target));
    const auto list = core::BankCodeList::Load(target);
    ASSERT_TRUE(list) << list.error().message;
    EXPECT_GT(list->size(), 10000u);
    EXPECT_EQ("BBk Berlin", list->lookupBankName("10000000"));
    EXPECT_EQ("BBk Hamburg", list->lookupBankName("20000000"));
    const auto offices = list->search("bundesbank", "hamburg");
    ASSERT_FALSE(offices.empty());
    EXPECT_EQ("20000000", offices.front().Bankleitzahl);
}
#endif
