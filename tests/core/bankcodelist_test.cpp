#include "support/bankcodelines.h"
#include "support/tempdir.h"

#include "core/bankcodecache.h"
#include "core/bankcodelist.h"

#include <gtest/gtest.h>

using namespace penvaro;
using core::BankCodeList;
using penvaro::testing::BankCodeLine;

namespace {

// A small file in the program's format. The second line carries the code of the last line
// inside its name, as the written substring test over the whole line would find it there.
const std::string fixture =
    BankCodeLine("10000000", "Bundesbank", "BBk Berlin", "10591", "Berlin")
    + BankCodeLine("37050198", "Sparkasse KölnBonn 70050000", "Sparkasse KölnBonn", "50667", "KÖLN")
    + BankCodeLine("37010050", "Postbank Ndl Köln", "Postbank Köln", "50666", "Köln")
    + BankCodeLine("10010010", "Postbank Berlin", "Postbank Berlin", "10559", "Berlin")
    + BankCodeLine("37050198", "Sparkasse KölnBonn", "Zweigstelle Porz", "51143", "KÖLN-PORZ")
    + BankCodeLine("21050000", "Schleswig-Holsteinische Kreditbank", "", "24103", "Kiel")
    + BankCodeLine("70050000", "Bayerische Landesbank", "BayernLB München", "80333", "München");

BankCodeList fixtureList() {
    return BankCodeList::FromText(fixture);
}

} // namespace

TEST(BankCodeList, LookupComparesTheCodeColumns) {
    const BankCodeList list = fixtureList();
    struct Case {
        const char *name;
        std::string code;
        std::string shortName;
    };
    const Case cases[] = {
        {"first line", "10000000", "BBk Berlin"},
        {"last line, its code also inside an earlier name", "70050000", "BayernLB München"},
        {"first of two lines with the same code", "37050198", "Sparkasse KölnBonn"},
        {"short name of blanks only", "21050000", ""},
        {"blanks around the code", " 10010010 ", "Postbank Berlin"},
        {"unknown code", "12345678", "nicht vorhanden"},
        {"code inside a name only", "0050000", "nicht vorhanden"},
        {"empty", "", "nicht vorhanden"},
        {"unfilled positions of the masked field", "1000    ", "nicht vorhanden"},
        {"eight blanks", "        ", "nicht vorhanden"},
        {"nine digits", "100000000", "nicht vorhanden"},
        {"not digits", "1000000A", "nicht vorhanden"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.shortName, list.lookupBankName(c.code)) << c.name;
}

TEST(BankCodeList, ShortLinesGiveWhatTheyHave) {
    const BankCodeList list = BankCodeList::FromText("11111111Kurz\r\n"
                                                     "22222222"
                                                     + std::string(58, ' ')
                                                     + "Halbe Kurzbe\n"
                                                       "33333333"
                                                     + std::string(58, ' ') + "Ohne Zeilenende");
    EXPECT_EQ("", list.lookupBankName("11111111"));
    EXPECT_EQ("Halbe Kurzbe", list.lookupBankName("22222222"));
    EXPECT_EQ("Ohne Zeilenende", list.lookupBankName("33333333"));
    EXPECT_EQ(3u, list.size());
}

TEST(BankCodeList, SearchMatchesNameStartAndPlaceColumnsInFileOrder) {
    const BankCodeList list = fixtureList();
    struct Case {
        const char *name;
        std::string bankName;
        std::string place;
        std::vector<std::string> codes;
    };
    const Case cases[] = {
        {"place only, in file order", "", "KÖLN", {"37050198", "37050198"}},
        {"ö is not folded: köln finds Köln, not KÖLN", "", "köln", {"37010050"}},
        {"a-z folded on both sides", "", "kiel", {"21050000"}},
        {"place in the name columns does not count", "", "BUNDESBANK", {}},
        {"name and place", "postbank", "KÖLN", {}},
        {"name and place, both matching", "postbank", "köln", {"37010050"}},
        {"name matches its columns", "sparkasse", "", {"37050198", "37050198"}},
        {"name only in short name or place columns", "bayernlb", "", {}},
        {"digits as a name match codes", "100", "", {"10000000", "37010050", "10010010"}},
        {"neither given", "", "", {}},
    };
    for (const Case &c : cases) {
        std::vector<std::string> codes;
        for (const core::BankOffice &office : list.search(c.bankName, c.place))
            codes.push_back(office.Bankleitzahl);
        EXPECT_EQ(c.codes, codes) << c.name;
    }
}

TEST(BankCodeList, SearchMatchMayStartInColumn66AndRunOn) {
    // "A" stands in column 66, the last of the name; "BCDE" begins the short name.
    const BankCodeList list = BankCodeList::FromText(
        BankCodeLine("12345678", std::string(57, 'x') + "A", "BCDE", "12345", "Ort"));
    EXPECT_EQ(1u, list.search("ABCD", "").size());
    EXPECT_EQ(0u, list.search("BCD", "").size());
}

TEST(BankCodeList, ResultCellsAreTheColumnSlicesInUtf8) {
    const auto found = fixtureList().search("", "MÜNCHEN");
    EXPECT_TRUE(found.empty()); // Ü is not a folded capital of ü
    const auto offices = fixtureList().search("", "München");
    ASSERT_EQ(1u, offices.size());
    EXPECT_EQ((core::BankOffice{"70050000", "Bayerische Landesbank" + std::string(37, ' '), "80333",
                                "München" + std::string(22, ' ')}),
              offices.front());
}

TEST(BankCodeCache, ReadsTheFileOnlyForACompleteCodeAndAgainWhenItChanged) {
    penvaro::testing::TempDir dir;
    const auto path = dir.path("blz.asc");
    core::BankCodeCache cache;

    const auto missing = core::LookupBankName(cache, path, "10000000");
    ASSERT_FALSE(missing);
    EXPECT_NE(std::string::npos, missing.error().message.find("blz.asc"));
    const auto incomplete = core::LookupBankName(cache, path, "1000");
    ASSERT_TRUE(incomplete);
    EXPECT_EQ("nicht vorhanden", *incomplete);
    const auto nothingAsked = core::SearchBankCodes(cache, path, "", "");
    ASSERT_TRUE(nothingAsked);
    EXPECT_TRUE(nothingAsked->empty());

    penvaro::testing::WriteBytes(path, {fixture.begin(), fixture.end()});
    EXPECT_EQ("BBk Berlin", core::LookupBankName(cache, path, "10000000").value());

    const std::string newer =
        BankCodeLine("10000000", "Bundesbank", "Bundesbank Berlin", "10591", "Berlin");
    penvaro::testing::WriteBytes(path, {newer.begin(), newer.end()});
    EXPECT_EQ("Bundesbank Berlin", core::LookupBankName(cache, path, "10000000").value());
    const auto offices = core::SearchBankCodes(cache, path, "bundesbank", "");
    ASSERT_TRUE(offices);
    EXPECT_EQ(1u, offices->size());
}
