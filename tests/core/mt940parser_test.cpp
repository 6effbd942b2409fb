#include "support/fixtures.h"
#include "support/records.h"
#include "support/tempdir.h"

#include "core/mt940details.h"
#include "core/mt940parser.h"

#include <gtest/gtest.h>

using namespace penvaro;
using core::Statement;
using core::StatementEntry;
using penvaro::testing::Day;

namespace {

StatementEntry entry(const std::string &valueDate, std::optional<std::string> bookingDate,
                     char16_t sign, std::int64_t amount, std::string party, std::string purpose,
                     std::string type) {
    return {Day(valueDate),
            bookingDate ? std::optional<double>(Day(*bookingDate)) : std::nullopt,
            sign,
            amount,
            std::move(party),
            std::move(purpose),
            std::move(type)};
}

StatementEntry withAccount(StatementEntry e, std::string iban, std::string bic,
                           std::vector<std::string> references) {
    e.partyIban = std::move(iban);
    e.partyBic = std::move(bic);
    e.references = std::move(references);
    return e;
}

// A statement around one :61: line and its optional :86: field.
std::string oneEntry(const std::string &line61, const std::string &field86 = {}) {
    std::string text = ":20:X\r\n:25:1/2\r\n:28C:1/1\r\n:61:" + line61 + "\r\n";
    if (!field86.empty())
        text += ":86:" + field86 + "\r\n";
    return text + ":62F:C260131EUR0,00\r\n-\r\n";
}

} // namespace

TEST(ParseMt940, ReadsTheWindows1252FixtureWithItsPagesAndContinuationLines) {
    const auto bytes =
        penvaro::testing::ReadBytes(penvaro::testing::StatementFixture("mt940-cp1252.sta"));
    const auto statements =
        core::ParseMt940({reinterpret_cast<const char *>(bytes.data()), bytes.size()});
    ASSERT_TRUE(statements) << statements.error().message;

    const std::vector<Statement> expected = {
        {"12030000/0000202051",
         13,
         Day("02.01.2027"), // the closing date of the second page
         17455500,
         {
             withAccount(entry("30.12.2026", "30.12.2026", u'+', 8000000,
                               "Jürgen Weiß Gebäudereinigung", "Rechnung 2026-12 Nr. 5",
                               "GUTSCHRIFT"),
                         "DE02100100100006820101", "BYLADEM1001",
                         {"B 46386 + 8000000 ABC123", "E 46386 + 8000000 4711"}),
             withAccount(entry("31.12.2026", "02.01.2027", u'-', 499500, "Stadtwerke Süd",
                               "Stromabschlag Jan. 2027 € 49,95", "LASTSCHRIFT"),
                         "", "", {"E 46387 - 499500 123"}),
             entry("02.01.2027", std::nullopt, u'-', 100000, "", "Rückbuchung Gutschrift",
                   "STORNO"),
             entry("02.01.2027", std::nullopt, u'+', 55000, "", "Rücklastschrift", "STORNO LS"),
         }},
        {"12030000/0000202051",
         14,
         Day("05.01.2027"), // no closing balance: the latest value date
         std::nullopt,
         {
             entry("05.01.2027", "05.01.2027", u'-', 12345000, "Allianz", "Versicherung",
                   "ÜBERWEISUNG"),
             entry("04.01.2027", "04.01.2027", u'+', 8000000, "", "", ""),
         }},
    };
    ASSERT_EQ(expected.size(), statements->size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("statement " + std::to_string(i + 1));
        const Statement &got = (*statements)[i];
        EXPECT_EQ(expected[i].accountId, got.accountId);
        EXPECT_EQ(expected[i].number, got.number);
        EXPECT_EQ(expected[i].date, got.date);
        EXPECT_EQ(expected[i].closingBalance, got.closingBalance);
        ASSERT_EQ(expected[i].entries.size(), got.entries.size());
        for (std::size_t e = 0; e < got.entries.size(); ++e)
            EXPECT_EQ(expected[i].entries[e], got.entries[e]) << "entry " << e + 1;
    }
}

TEST(ParseMt940, ReadsMarkFundsCodeAmountAndBookingDateOfAnEntry) {
    struct Case {
        const char *line61;
        const char *valueDate;
        std::optional<std::string> bookingDate;
        char16_t sign;
        std::int64_t amount;
    };
    const Case cases[] = {
        {"260115C12,34NTRF", "15.01.2026", std::nullopt, u'+', 123400},
        {"260115D12,3NTRF", "15.01.2026", std::nullopt, u'-', 123000},
        {"260115RC12,34NMSC", "15.01.2026", std::nullopt, u'-', 123400},
        {"260115RD12,34NMSC", "15.01.2026", std::nullopt, u'+', 123400},
        {"260115CR800,NTRF", "15.01.2026", std::nullopt, u'+', 8000000},
        {"260115DR0,01NTRF", "15.01.2026", std::nullopt, u'-', 100},
        {"260115RDR5,NTRF", "15.01.2026", std::nullopt, u'+', 50000},
        {"2601150116D1,NTRF", "15.01.2026", "16.01.2026", u'-', 10000},
        {"2612310102D1,NTRF", "31.12.2026", "02.01.2027", u'-', 10000},
        {"2701021231C1,NTRF", "02.01.2027", "31.12.2026", u'+', 10000},
        {"2402290229C1,NTRF", "29.02.2024", "29.02.2024", u'+', 10000},
        {"260115C7,5", "15.01.2026", std::nullopt, u'+', 75000},
        {"1407290729C500NTRF", "29.07.2014", "29.07.2014", u'+', 5000000},
        {"260115C1250NTRF", "15.01.2026", std::nullopt, u'+', 12500000},
        {"1602300301DR6,00N024NONREF", "29.02.2016", "01.03.2016", u'-', 60000},
        {"2604310430D1,NTRF", "30.04.2026", "30.04.2026", u'-', 10000},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line61);
        const auto statements = core::ParseMt940(oneEntry(c.line61));
        ASSERT_TRUE(statements) << statements.error().message;
        const StatementEntry &got = statements->front().entries.at(0);
        EXPECT_EQ(Day(c.valueDate), got.valueDate);
        EXPECT_EQ(c.bookingDate ? std::optional<double>(Day(*c.bookingDate)) : std::nullopt,
                  got.bookingDate);
        EXPECT_EQ(c.sign, got.sign);
        EXPECT_EQ(c.amount, got.amount);
    }
}

TEST(ParseMt940, TakesTheBanksAndThePayersReferences) {
    struct Case {
        const char *name;
        std::string line61;
        std::string field86;
        std::vector<std::string> references;
    };
    const Case cases[] = {
        {"both",
         "260115C12,34NTRFNONREF//2026011500017",
         "?20EREF+E2E-1 SVWZ+Miete",
         {"B 46037 + 123400 2026011500017", "E 46037 + 123400 E2E-1"}},
        {"the details on the next line are no reference",
         "260115D12,34NDDTKREF-9//B17\r\n/OCMT/EUR12,34/",
         "",
         {"B 46037 - 123400 B17"}},
        {"placeholders", "260115C12,34NTRFNONREF//NONREF", "?20EREF+NOTPROVIDED", {}},
        {"none", "260115C12,34NTRFNONREF", "?20SVWZ+Miete", {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto statements = core::ParseMt940(oneEntry(c.line61, c.field86));
        ASSERT_TRUE(statements) << statements.error().message;
        EXPECT_EQ(c.references, statements->front().entries.at(0).references);
    }
}

TEST(ParseMt940Details, TakesTheTextsFromTheirSubfields) {
    struct Case {
        const char *name;
        const char *field86;
        const char *bookingType;
        const char *party;
        const char *purpose;
    };
    const Case cases[] = {
        {"SVWZ+ between other tags", "166?00GUTSCHRIFT?20EREF+1?21SVWZ+Miete Mai ?22ABWA+Vermieter",
         "GUTSCHRIFT", "", "Miete Mai"},
        {"tags split across subfields", "?20EREF+1 SV?21WZ+Miete ?22Mai KRE?23F+9", "", "",
         "Miete Mai"},
        {"the nearest following tag ends it", "?20SVWZ+Abo IBAN+DE1 EREF+2", "", "", "Abo"},
        {"no SVWZ+ keeps the joined text", "?20Miete ?21Mai", "", "", "Miete Mai"},
        {"?60 to ?63 continue the purpose", "?20SVWZ+Teil eins ?60Teil zwei?63!", "", "",
         "Teil eins Teil zwei!"},
        {"party from ?32 and ?33 only", "?10999?30BYLADEM1?31DE02?32Erika Muster?33frau?34997", "",
         "Erika Musterfrau", ""},
        {"free text without subfields", "Bargeldauszahlung Automat 17", "", "",
         "Bargeldauszahlung Automat 17"},
        {"a question mark without two digits is text", "?20Warum? Darum?2", "", "",
         "Warum? Darum?2"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const core::Mt940Details details = core::ParseMt940Details(c.field86);
        EXPECT_EQ(c.bookingType, details.bookingType);
        EXPECT_EQ(c.party, details.party);
        EXPECT_EQ(c.purpose, details.purpose);
    }
}

TEST(ParseMt940Details, TakesTheOtherPartysAccountAndThePayersReference) {
    struct Case {
        const char *name;
        const char *field86;
        const char *iban;
        const char *bic;
        const char *endToEnd;
    };
    const Case cases[] = {
        {"IBAN and BIC", "?20EREF+E2E-4711?21SVWZ+Miete?30COBADEFFXXX?31DE89370400440532013000",
         "DE89370400440532013000", "COBADEFFXXX", "E2E-4711"},
        {"bank code and account number", "?20SVWZ+Miete?3012030000?310000202051", "", "", ""},
        {"eight-letter BIC, the reference split across subfields",
         "?20EREF+ABC?21 123 SVWZ+Miete?30BYLADEM1", "", "BYLADEM1", "ABC 123"},
        {"no reference given", "?20EREF+NOTPROVIDED SVWZ+Miete", "", "", "NOTPROVIDED"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const core::Mt940Details details = core::ParseMt940Details(c.field86);
        EXPECT_EQ(c.iban, details.partyIban);
        EXPECT_EQ(c.bic, details.partyBic);
        EXPECT_EQ(c.endToEnd, details.endToEnd);
    }
}

TEST(ParseMt940, PagesOfOneStatementBecomeOneAndOtherStatementsStayApart) {
    const std::string text = ":20:A\n:25:K\n:28C:5/1\n:61:260110C1,\n:62M:C260110EUR1,\n-\n"
                             ":20:A\n:25:K\n:28C:5/2\n:61:260111C2,\n:62F:C260112EUR3,\n-\n"
                             ":20:A\n:25:K\n:28C:0\n:61:260113C4,\n:62F:C260113EUR7,\n-\n"
                             ":20:A\n:25:K\n:28C:0\n:61:260114C5,\n:62F:C260114EUR12,\n-\n";
    const auto statements = core::ParseMt940(text);
    ASSERT_TRUE(statements) << statements.error().message;
    ASSERT_EQ(3u, statements->size());
    EXPECT_EQ(2u, (*statements)[0].entries.size());
    EXPECT_EQ(Day("12.01.2026"), (*statements)[0].date);
    EXPECT_EQ(30000, (*statements)[0].closingBalance);
    EXPECT_EQ(Day("13.01.2026"), (*statements)[1].date) << "a final balance ends a statement";
    EXPECT_EQ(Day("14.01.2026"), (*statements)[2].date);
}

TEST(ParseMt940, SaysWhatItMadeOfADayPastTheMonthsEnd) {
    const auto statements = core::ParseMt940(oneEntry("1602300301DR6,00N024NONREF"));
    ASSERT_TRUE(statements) << statements.error().message;
    EXPECT_EQ("Valutadatum 30.02.2016 gibt es nicht; gelesen als 29.02.2016.",
              statements->front().entries.at(0).note);
    EXPECT_EQ("", core::ParseMt940(oneEntry("160229C1,NTRF"))->front().entries.at(0).note);
}

TEST(ParseMt940, ReadsPastTheSwiftEnvelope) {
    const std::string body = ":20:X\r\n:25:12030000/202051\r\n:28C:1/1\r\n:61:260115C1,NTRF\r\n"
                             ":86:166?00GUTSCHRIFT?20Miete\r\n:62F:C260131EUR1,00\r\n";
    const std::string header = "{1:F01TESTDEFFAXXX0000000000}{2:I940TESTDEFFXXXXN}{3:{108:X}}{4:";
    const struct {
        const char *name;
        std::string text;
    } cases[] = {
        {"header and trailer on lines of their own", header + "\r\n" + body + "-}{5:}\r\n"},
        {"the message on the header's line", header + body + "-}{5:{CHK:1234}}\r\n"},
        {"two messages", header + "\r\n" + body + "-}{5:}\r\n" + header + "\r\n" + body + "-}"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto statements = core::ParseMt940(c.text);
        ASSERT_TRUE(statements) << statements.error().message;
        ASSERT_FALSE(statements->empty());
        EXPECT_EQ("12030000/202051", statements->front().accountId);
        EXPECT_EQ(10000, statements->front().closingBalance);
        EXPECT_EQ("Miete", statements->front().entries.at(0).purpose);
    }
}

TEST(ParseMt940, RefusesBrokenStatementsNamingTheLine) {
    struct Case {
        const char *name;
        std::string text;
        const char *fragment;
    };
    const Case cases[] = {
        {"decimal point", oneEntry("260115C12.50NTRF"), "Zeile 4: Der Betrag"},
        {"five decimals", oneEntry("260115C1,00001NTRF"), "Zeile 4: Der Betrag"},
        {"amount missing", oneEntry("260115CNTRF"), "Zeile 4: Der Betrag"},
        {"unknown mark", oneEntry("260115X1,NTRF"), "Zeile 4: Die Soll/Haben-Kennung"},
        {"impossible value date", oneEntry("260132C1,NTRF"), "Zeile 4: Das Valutadatum"},
        {"impossible value month", oneEntry("261301C1,NTRF"), "Zeile 4: Das Valutadatum"},
        {"impossible booking date", oneEntry("2601151301C1,NTRF"), "Zeile 4: Das Buchungsdatum"},
        {"number not a number", ":20:X\n:28C:ABC/1\n", "Zeile 2: Auszugsnummer „ABC/1“"},
        {"number too large", ":20:X\n:28C:70000/1\n", "Zeile 2: Auszugsnummer"},
        {"broken closing balance", ":20:X\n:25:1\n:28C:1\n:62F:C2601EUR1,\n",
         "Zeile 4: Schlusssaldo"},
        {"entry before the first :20:", ":25:1\n:61:260115C1,\n", "Zeile 1: Feld :25:"},
        {"no statement at all", "Lieber Kunde,\nanbei Ihr Auszug.\n", "weder ein CAMT.053"},
        {"nothing after :20:", ":20:X\n:21:Y\n-\n", "keinen lesbaren MT940-Kontoauszug"},
        {"closing balance in dollars", ":20:X\n:25:1\n:28C:1\n:62F:C260228USD1234,56\n",
         "Zeile 4: Der Schlusssaldo :62F: ist in der Währung „USD“ angegeben"},
        {"opening balance in dollars",
         ":20:X\n:25:1\n:28C:1\n:60F:C260201USD1,\n:61:260215C1,\n:62F:C260228EUR1,\n",
         "Zeile 4: Der Anfangssaldo :60F: ist in der Währung „USD“"},
        {"intermediate balance in francs", ":20:X\n:25:1\n:28C:1\n:62M:C260228CHF1,\n",
         "Zeile 4: Der Zwischensaldo :62M: ist in der Währung „CHF“"},
        {"available balance in pounds",
         ":20:X\n:25:1\n:28C:1\n:62F:C260228EUR1,\n:64:C260228GBP1,\n",
         "Zeile 5: Der verfügbare Saldo :64: ist in der Währung „GBP“"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto statements = core::ParseMt940(c.text);
        ASSERT_FALSE(statements);
        EXPECT_NE(std::string::npos, statements.error().message.find(c.fragment))
            << statements.error().message;
    }
}

TEST(ParseMt940, ReadsUtf8AndWindows1252AsTheBytesShow) {
    struct Case {
        const char *name;
        std::string bytes;
        const char *party;
    };
    const Case cases[] = {
        {"Windows-1252", "Familie \xD6zt\xFCrk, \x80 5", "Familie Öztürk, € 5"},
        {"UTF-8",
         "Familie \xC3\x96zt\xC3\xBC"
         "rk, \xE2\x82\xAC 5",
         "Familie Öztürk, € 5"},
        {"ASCII", "Familie Oeztuerk", "Familie Oeztuerk"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto statements = core::ParseMt940(oneEntry("260115C1,NTRF", "?32" + c.bytes));
        ASSERT_TRUE(statements) << statements.error().message;
        EXPECT_EQ(c.party, statements->front().entries.at(0).party);
    }

    const auto bytes =
        penvaro::testing::ReadBytes(penvaro::testing::StatementFixture("mt940-utf8.sta"));
    std::string marked = "\xEF\xBB\xBF";
    marked.append(bytes.begin(), bytes.end());
    const auto statements = core::ParseMt940(marked);
    ASSERT_TRUE(statements) << statements.error().message;
    const StatementEntry &refund = statements->front().entries.at(0);
    EXPECT_EQ("Familie Öztürk", refund.party) << "a byte-order mark before the first field";
    EXPECT_EQ("Nebenkosten – Rückzahlung", refund.purpose);
    EXPECT_EQ("DE02120300000000202051", statements->front().accountId);
}

TEST(ParseMt940, ReadsAnyLineEndsAndNone) {
    const auto bytes =
        penvaro::testing::ReadBytes(penvaro::testing::StatementFixture("mt940-cp1252.sta"));
    const std::string crlf(bytes.begin(), bytes.end());
    const auto expected = core::ParseMt940(crlf);
    ASSERT_TRUE(expected) << expected.error().message;
    const auto replaced = [&crlf](const std::string &lineEnd) {
        std::string text;
        for (std::size_t pos = 0; pos < crlf.size();) {
            const std::size_t end = std::min(crlf.find("\r\n", pos), crlf.size());
            text += crlf.substr(pos, end - pos) + lineEnd;
            pos = end + 2;
        }
        return text;
    };
    // Without line ends, the lines that continue a field join it all the same.
    for (const std::string &lineEnd : {std::string("\n"), std::string("\r"), std::string()}) {
        SCOPED_TRACE(lineEnd == "\n" ? "LF" : lineEnd == "\r" ? "CR" : "none");
        const auto statements = core::ParseMt940(replaced(lineEnd));
        ASSERT_TRUE(statements) << statements.error().message;
        ASSERT_EQ(expected->size(), statements->size());
        for (std::size_t i = 0; i < statements->size(); ++i)
            EXPECT_EQ((*expected)[i], (*statements)[i]) << "statement " << i + 1;
    }
}
