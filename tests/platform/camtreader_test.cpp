#include "support/fixtures.h"
#include "support/records.h"
#include "support/tempdir.h"

#include "platform/camtreader.h"

#include <gtest/gtest.h>

using namespace penvaro;
using core::Statement;
using core::StatementEntry;
using penvaro::testing::Day;

namespace {

QByteArray fixture(const std::string &name) {
    const auto bytes = penvaro::testing::ReadBytes(penvaro::testing::StatementFixture(name));
    return QByteArray(reinterpret_cast<const char *>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

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

StatementEntry collected(StatementEntry e, int moreParties) {
    e.moreParties = moreParties;
    return e;
}

void expectStatements(const std::vector<Statement> &expected, const std::vector<Statement> &got) {
    ASSERT_EQ(expected.size(), got.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(expected[i].accountId, got[i].accountId);
        EXPECT_EQ(expected[i].number, got[i].number);
        EXPECT_EQ(expected[i].date, got[i].date);
        EXPECT_EQ(expected[i].closingBalance, got[i].closingBalance);
        ASSERT_EQ(expected[i].entries.size(), got[i].entries.size());
        for (std::size_t e = 0; e < got[i].entries.size(); ++e)
            EXPECT_EQ(expected[i].entries[e], got[i].entries[e]) << "entry " << e + 1;
    }
}

// A statement of the given version around the given entries, lines numbered from 1.
QByteArray camt(const std::string &statementBody, const std::string &version = "02") {
    return QByteArray::fromStdString(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"                   // 1
        "<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001." // 2
        + version + "\">\n<BkToCstmrStmt>\n<Stmt>\n"                     // 3, 4
        + statementBody + "\n</Stmt>\n</BkToCstmrStmt>\n</Document>\n");
}

const std::string header = "<LglSeqNb>3</LglSeqNb>\n<CreDtTm>2026-03-01T10:00:00</CreDtTm>\n";

std::string ntry(const std::string &amount, const std::string &direction,
                 const std::string &dates) {
    return "<Ntry>\n<Amt Ccy=\"EUR\">" + amount + "</Amt>\n<CdtDbtInd>" + direction
           + "</CdtDbtInd>\n<Sts>BOOK</Sts>\n" + dates + "\n</Ntry>";
}

const std::string valueDate = "<ValDt><Dt>2026-02-27</Dt></ValDt>";

// What a booking made from an entry shows of it.
struct Booking {
    char16_t sign;
    std::int64_t amount;
    std::string party;
    int moreParties;
    std::string purpose;
    std::string iban;
    std::string bic;
    std::vector<std::string> references;

    friend bool operator==(const Booking &, const Booking &) = default;
};

} // namespace

TEST(ReadCamtStatements, ReadsVersion02) {
    const auto statements = platform::ReadCamtStatements(fixture("camt053-001-02.xml"));
    ASSERT_TRUE(statements) << statements.error().message;
    expectStatements({{"DE02120300000000202051",
                       7, // the legal number, not the electronic one
                       Day("02.02.2026"),
                       26040100,
                       {
                           entry("30.01.2026", "30.01.2026", u'+', 25000000, "Müller & Söhne GmbH",
                                 "Gehalt Januar Personalnr. 4711", "Gutschrift"),
                           entry("01.02.2026", "02.02.2026", u'-', 8500000, "Hausverwaltung Größe",
                                 "Miete Februar – 850 € → Whg. 3", "Dauerauftrag"),
                           // the pending entry is left out
                           entry("01.02.2026", std::nullopt, u'-', 459900, "", "", "Kartenzahlung"),
                       }}},
                     *statements);
}

TEST(ReadCamtStatements, ReadsVersion08InItsDeclaredEncoding) {
    const auto statements = platform::ReadCamtStatements(fixture("camt053-001-08.xml"));
    ASSERT_TRUE(statements) << statements.error().message;
    expectStatements({{"0000202051",
                       1,
                       Day("04.01.2027"),
                       -1200000,
                       {
                           entry("31.12.2026", "02.01.2027", u'-', 199900,
                                 "Streamingdienst Europa S.à r.l. Zweigniederlassung Deutschland",
                                 "Abonnement Premium Familie Januar 2027 Kundennummer 998877665544",
                                 "Lastschrift SEPA"),
                           // two payments without amounts: one booking for the entry
                           collected(entry("03.01.2027", "03.01.2027", u'+', 100,
                                           "Zinsgutschrift Bank", "Zinsen 2026", ""),
                                     1),
                       }}},
                     *statements);
}

TEST(ReadCamtStatements, ReadsEveryStatementOfTheFileInOrder) {
    const auto statements = platform::ReadCamtStatements(QByteArray::fromStdString(
        "<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.04\"><BkToCstmrStmt>"
        "<Stmt><ElctrncSeqNb>8</ElctrncSeqNb><CreDtTm>2026-03-01T00:00:00</CreDtTm></Stmt>"
        "<Stmt><CreDtTm>2026-04-01</CreDtTm>"
        + ntry("1", "CRDT", "<BookgDt><Dt>2026-03-31</Dt></BookgDt>")
        + "</Stmt></BkToCstmrStmt></Document>"));
    ASSERT_TRUE(statements) << statements.error().message;
    ASSERT_EQ(2u, statements->size());
    EXPECT_EQ(8, (*statements)[0].number);
    EXPECT_EQ(0, (*statements)[1].number) << "a statement without number counts as 0";
    EXPECT_EQ(Day("01.04.2026"), (*statements)[1].date);
    EXPECT_EQ(Day("31.03.2026"), (*statements)[1].entries.at(0).valueDate)
        << "without value date the booking date stands in";
}

TEST(ReadCamtStatements, RefusesBrokenAndHostileDocumentsNamingThePlace) {
    struct Case {
        const char *name;
        QByteArray document;
        const char *fragment;
    };
    std::string nested;
    for (int i = 0; i < 100; ++i)
        nested += "<a>";
    std::string attributes;
    for (int i = 0; i < 1000; ++i)
        attributes += " a" + std::to_string(i) + "=\"\"";
    const Case cases[] = {
        {"not well-formed", camt(header + "<Ntry><Amt>1</Ntry>"), "Zeile 7, Spalte"},
        {"decimal comma", camt(header + ntry("12,50", "CRDT", valueDate)),
         "Zeile 8, Element Amt: Der Betrag „12,50“ ist ungültig."},
        {"five decimals", camt(header + ntry("1.00001", "CRDT", valueDate)), "Element Amt"},
        {"negative amount", camt(header + ntry("-1.00", "CRDT", valueDate)), "Element Amt"},
        {"unknown direction", camt(header + ntry("1.00", "CRED", valueDate)),
         "Element CdtDbtInd: Die Soll/Haben-Kennung „CRED“"},
        {"impossible value date",
         camt(header + ntry("1.00", "CRDT", "<ValDt><Dt>2026-02-30</Dt></ValDt>")),
         "Element ValDt: Das Wertdatum „2026-02-30“"},
        {"no date at all", camt(header + ntry("1.00", "CRDT", "")),
         "Zeile 7, Element Ntry: ValDt fehlt."},
        {"no amount", camt(header + "<Ntry><CdtDbtInd>CRDT</CdtDbtInd></Ntry>"),
         "Zeile 7, Element Ntry: Amt fehlt."},
        {"no creation date", camt("<LglSeqNb>3</LglSeqNb>"),
         "Zeile 4, Element Stmt: CreDtTm fehlt."},
        {"number beyond 65535", camt("<LglSeqNb>70000</LglSeqNb><CreDtTm>2026-03-01</CreDtTm>"),
         "Element LglSeqNb: Die Auszugsnummer „70000“"},
        {"closing balance without direction",
         camt(header + "<Bal><Tp><CdOrPrtry><Cd>CLBD</Cd></CdOrPrtry></Tp><Amt>1</Amt></Bal>"),
         "Element Bal: CdtDbtInd fehlt."},
        {"a DTD with an external entity",
         "<?xml version=\"1.0\"?>\n<!DOCTYPE Document [<!ENTITY x SYSTEM "
         "\"file:///etc/passwd\">]>\n"
         "<Document>&x;</Document>",
         "Zeile 2, Element DOCTYPE"},
        {"an expanding entity",
         "<?xml version=\"1.0\"?>\n<!DOCTYPE d [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b "
         "\"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">]>\n<d>&b;&b;&b;</d>",
         "Element DOCTYPE"},
        {"an undeclared entity", camt(header + "<AddtlNtryInf>&x;</AddtlNtryInf>"),
         "kein gültiges XML"},
        {"an intraday report",
         "<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.052.001.02\"/>",
         "Namensraum „urn:iso:std:iso:20022:tech:xsd:camt.052.001.02“"},
        {"a later version", camt(header, "09"), "kein Kontoauszug im Format CAMT.053"},
        {"no statement",
         "<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.02\"><BkToCstmrStmt/>"
         "</Document>",
         "kein Element Stmt"},
        {"nested far too deep", camt(header + nested), "zu tief verschachtelt"},
        {"an entry in dollars",
         camt(header
              + "<Ntry>\n<Amt Ccy=\"USD\">10.00</Amt>\n<CdtDbtInd>CRDT</CdtDbtInd>\n"
                "<Sts>BOOK</Sts>\n"
              + valueDate + "\n</Ntry>"),
         "Zeile 8, Element Amt: Der Betrag ist in der Währung „USD“ angegeben; eine "
         "Kontodatei führt Euro. Der Kontoauszug wird nicht importiert."},
        {"a closing balance in dollars",
         camt(header
              + "<Bal><Tp><CdOrPrtry><Cd>CLBD</Cd></CdOrPrtry></Tp>\n"
                "<Amt Ccy=\"USD\">1234.56</Amt><CdtDbtInd>CRDT</CdtDbtInd></Bal>"),
         "Zeile 8, Element Bal/Amt: Der Saldo ist in der Währung „USD“"},
        {"an account in francs", camt(header + "<Acct><Ccy>CHF</Ccy></Acct>"),
         "Element Ccy: Das Konto ist in der Währung „CHF“"},
        {"a byte that is no UTF-8",
         camt(header + std::string(9, '\n')
              + "<AddtlNtryInf>M\xFC"
                "ller</AddtlNtryInf>"),
         "Zeile 16, Spalte 16: Das Byte 0xFC ist kein gültiges UTF-8"},
        {"a tag that is not closed", camt(header + "<Ntry><Amt>1</Ntry>"),
         "Zeile 7, Spalte 19: Die Datei ist kein gültiges XML (Anfangs- und End-Tag passen "
         "nicht zusammen)."},
        {"a document cut off", camt(header).left(150),
         "Die Datei ist kein gültiges XML (die Datei endet mitten im Dokument)."},
        {"attributes by the thousand",
         camt(header + "<!-- <x a=\"1\"> -->\n<Ntry" + attributes + "/>"),
         "Zeile 8: Ein Element hat mehr als 64 Attribute"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto statements = platform::ReadCamtStatements(c.document);
        ASSERT_FALSE(statements);
        EXPECT_NE(std::string::npos, statements.error().message.find(c.fragment))
            << statements.error().message;
        EXPECT_EQ(std::string::npos, statements.error().message.find("Encountered"))
            << "no English inside a German message";
    }
}

TEST(ReadCamtStatements, BooksEachPaymentOfACollectiveEntryWithItsOwnAmountAndParty) {
    struct Case {
        const char *fixture;
        const char *valueDate;
        std::optional<double> closingDate;
        std::vector<Booking> bookings;
    };
    const Case cases[] = {
        {"camt053-same-day.xml",
         "02.03.2026",
         Day("02.03.2026"),
         {
             {u'-',
              4500000,
              "Heizungsbau Özdemir GmbH",
              0,
              "Rechnung 2026–03 „Wartung“ Heizung",
              "DE89370400440532013000",
              "COBADEFFXXX",
              {"B 46083 - 4500000 2026030200017", "E 46083 - 4500000 E2E-4711"}},
             {u'+', 6500000, "Familie Öztürk", 0, "Miete März – Whg. 3", "", "", {}},
             // the members' direct debits, known by the entry's reference
             {u'+',
              250000,
              "Erika Mustermann",
              0,
              "Beitrag 2026 Mitglied 17",
              "DE75512108001245126199",
              "",
              {"B 46083 + 600000 2026030200018"}},
             {u'+',
              350000,
              "Hans Meier",
              0,
              "Beitrag 2026 Mitglied 23",
              "",
              "",
              {"B 46083 + 600000 2026030200018"}},
         }},
        {"camt053-batch-001-02.xml",
         "31.03.2026",
         std::nullopt,
         {
             {u'+',
              300000,
              "Jana Krüger",
              0,
              "Beitrag April Jana",
              "DE44500105175407324931",
              "INGDDEFFXXX",
              {"B 46112 + 500000 2026033100001"}},
             {u'+',
              200000,
              "Tom Krüger",
              0,
              "Beitrag April Tom",
              "",
              "",
              {"B 46112 + 500000 2026033100001"}},
             // card payments without amounts
             {u'-', 874000, "Bäckerei Schmidt", 2, "Karte 1 Karte 2 Karte 3", "", "", {}},
             // amounts that do not add up to the entry's
             {u'+',
              300000,
              "Sportverein Grün-Weiß Musterstadt e.V.",
              1,
              "Zuschuss Spende",
              "",
              "",
              {}},
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.fixture);
        const auto statements = platform::ReadCamtStatements(fixture(c.fixture));
        ASSERT_TRUE(statements) << statements.error().message;
        ASSERT_EQ(1u, statements->size());
        EXPECT_EQ(c.closingDate, statements->front().closingDate);
        std::vector<Booking> bookings;
        for (const StatementEntry &e : statements->front().entries) {
            bookings.push_back({e.sign, e.amount, e.party, e.moreParties, e.purpose, e.partyIban,
                                e.partyBic, e.references});
            EXPECT_EQ(Day(c.valueDate), e.valueDate);
        }
        ASSERT_EQ(c.bookings.size(), bookings.size());
        for (std::size_t i = 0; i < bookings.size(); ++i)
            EXPECT_TRUE(c.bookings[i] == bookings[i])
                << "booking " << i + 1 << ": " << bookings[i].party;
    }
}

TEST(ReadCamtStatements, APaymentInAnotherCurrencyLeavesTheEntryWhole) {
    // A card payment abroad: the bank books euros, the payment details name dollars.
    const auto statements = platform::ReadCamtStatements(camt(
        header
            + "<Ntry>\n<Amt Ccy=\"EUR\">10.00</Amt>\n<CdtDbtInd>DBIT</CdtDbtInd>\n"
              "<Sts>BOOK</Sts>\n"
            + valueDate
            + "<NtryDtls><TxDtls><Amt Ccy=\"USD\">5.40</Amt><RltdPties><Cdtr><Nm>Diner</Nm></Cdtr>"
              "</RltdPties></TxDtls><TxDtls><Amt Ccy=\"USD\">5.40</Amt><RltdPties><Cdtr><Nm>Bar"
              "</Nm></Cdtr></RltdPties></TxDtls></NtryDtls></Ntry>",
        "08"));
    ASSERT_TRUE(statements) << statements.error().message;
    ASSERT_EQ(1u, statements->front().entries.size());
    EXPECT_EQ(100000, statements->front().entries[0].amount);
    EXPECT_EQ("Diner", statements->front().entries[0].party);
    EXPECT_EQ(1, statements->front().entries[0].moreParties);
}

TEST(ReadCamtStatements, EqualsSignsInTextsAreNoAttributes) {
    const std::string many(200, '=');
    const auto statements = platform::ReadCamtStatements(camt(
        "<!-- " + many + " -->" + header + "<AddtlStmtInf><![CDATA[" + many
        + "]]></AddtlStmtInf>\n<Ntry>\n<Amt Ccy=\"EUR\" x=\"" + many
        + "\">1.00</Amt>\n<CdtDbtInd>CRDT</CdtDbtInd><Sts>BOOK</Sts>" + valueDate + "</Ntry>"));
    ASSERT_TRUE(statements) << statements.error().message;
    ASSERT_EQ(1u, statements->size());
    EXPECT_EQ(1u, statements->front().entries.size());
}
