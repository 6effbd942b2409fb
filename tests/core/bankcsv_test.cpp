#include "support/fixtures.h"
#include "support/records.h"
#include "support/tempdir.h"

#include "core/bankcsv.h"

#include <gtest/gtest.h>

using namespace penvaro;
using core::StatementEntry;
using penvaro::testing::Day;

namespace {

const std::string longPurpose = "Beitrag 2026 Mitgliedsnummer 4711 Abteilung Tischtennis und "
                                "Jugendfreizeit Sommerlager Anzahlung";
const std::string stadtwerke = "Stadtwerke Müllheim GmbH";
const std::string stadtwerkeIban = "DE44500105175407324931";
const std::string joergIban = "DE89370400440532013000";
const std::string baeckereiIban = "DE12500105170648489890";

struct Row {
    std::string valueDate;
    std::optional<std::string> bookingDate;
    char16_t sign;
    std::int64_t amount;
    std::string party;
    std::string purpose;
    std::string type;
    std::string iban;
    std::string bic = {};
    bool pending = false;
    std::string endToEnd = {};
};

std::vector<std::uint8_t> fixture(const std::string &name) {
    return penvaro::testing::ReadBytes(penvaro::testing::StatementFixture("csv/" + name));
}

core::Result<std::vector<core::Statement>> parse(const std::vector<std::uint8_t> &bytes,
                                                 std::string_view layout = {}) {
    return core::ParseBankCsv({reinterpret_cast<const char *>(bytes.data()), bytes.size()}, layout);
}

void expectEntry(const Row &row, const StatementEntry &entry) {
    EXPECT_EQ(Day(row.valueDate), entry.valueDate);
    EXPECT_EQ(row.bookingDate ? std::optional<double>(Day(*row.bookingDate)) : std::nullopt,
              entry.bookingDate);
    EXPECT_EQ(row.sign, entry.sign);
    EXPECT_EQ(row.amount, entry.amount);
    EXPECT_EQ(row.party, entry.party);
    EXPECT_EQ(row.purpose, entry.purpose);
    EXPECT_EQ(row.type, entry.bookingType);
    EXPECT_EQ(row.iban, entry.partyIban);
    EXPECT_EQ(row.bic, entry.partyBic);
    EXPECT_EQ(row.pending, entry.pending);
    std::vector<std::string> references;
    if (auto key = core::EntryReferenceKey(core::ReferenceKind::EndToEnd, row.endToEnd,
                                           Day(row.valueDate), row.sign, row.amount))
        references.push_back(*key);
    EXPECT_EQ(references, entry.references);
}

} // namespace

TEST(ParseBankCsv, ReadsEachBanksLayoutFoundByItsHeader) {
    struct Case {
        std::string file;
        std::string account;
        std::string statementDate;
        std::vector<Row> rows;
    };
    const Row stadtwerkeSparkasse{"02.03.2026",
                                  "02.03.2026",
                                  u'-',
                                  623000,
                                  stadtwerke,
                                  "Abschlag Strom Februar",
                                  "FOLGELASTSCHRIFT",
                                  stadtwerkeIban,
                                  "INGDDEFFXXX",
                                  false,
                                  "E2E-STROM-02"};
    const Row joergSparkasse{"04.03.2026",
                             "03.03.2026",
                             u'+',
                             12000000,
                             "Jörg Weiß",
                             longPurpose,
                             "GUTSCHR. UEBERWEISUNG",
                             joergIban,
                             "COBADEFFXXX"};
    const Row pendingSparkasse{
        "04.03.2026",          std::nullopt,       u'-',           623000,        stadtwerke,
        "Abschlag Strom März", "FOLGELASTSCHRIFT", stadtwerkeIban, "INGDDEFFXXX", true};
    const Case cases[] = {
        {"sparkasse-camt.csv",
         "DE02120300000000202051",
         "04.03.2026",
         {pendingSparkasse, stadtwerkeSparkasse, joergSparkasse}},
        {"sparkasse-mt940.csv",
         "0000202051",
         "04.03.2026",
         {{stadtwerkeSparkasse.valueDate, "02.03.2026", u'-', 623000, stadtwerke,
           "Abschlag Strom Februar", "FOLGELASTSCHRIFT", stadtwerkeIban, "INGDDEFFXXX"},
          joergSparkasse,
          pendingSparkasse}},
        {"volksbank.csv",
         "DE02120300000000202051",
         "04.03.2026",
         {{"02.03.2026", "02.03.2026", u'-', 623000, stadtwerke, "Abschlag Strom Februar",
           "Lastschrift", stadtwerkeIban, "INGDDEFFXXX"},
          {"04.03.2026", "03.03.2026", u'+', 12000000, "Jörg Weiß", longPurpose, "Gutschrift",
           joergIban, "COBADEFFXXX"},
          {"05.03.2026", "05.03.2026", u'-', 41000, "Bäckerei Größ", "Brötchen", "Lastschrift",
           baeckereiIban, "INGDDEFFXXX", true}}},
        {"dkb.csv",
         "DE02120300000000202051",
         "04.03.2026",
         {{"05.03.2026", "05.03.2026", u'-', 41000, "Bäckerei Größ", "Brötchen", "Ausgang",
           baeckereiIban, "", true},
          {"04.03.2026", "04.03.2026", u'+', 12000000, "Jörg Weiß", longPurpose, "Eingang",
           joergIban},
          {"02.03.2026", "02.03.2026", u'-', 623000, stadtwerke, "Abschlag Strom Februar",
           "Ausgang", stadtwerkeIban, "", false, "E2E-STROM-02"}}},
        {"dkb-alt.csv",
         "DE02120300000000202051",
         "04.03.2026",
         {{"04.03.2026", "04.03.2026", u'+', 12000000, "Jörg Weiß", longPurpose, "Gutschrift",
           joergIban, "COBADEFFXXX"},
          {"02.03.2026", "02.03.2026", u'-', 623000, stadtwerke, "Abschlag Strom Februar",
           "Lastschrift", stadtwerkeIban, "INGDDEFFXXX", false, "E2E-STROM-02"}}},
        {"ing.csv",
         "DE02120300000000202051",
         "04.03.2026",
         {{"04.03.2026", "04.03.2026", u'+', 12000000, "Jörg Weiß", longPurpose, "Gutschrift", ""},
          {"02.03.2026", "02.03.2026", u'-', 623000, stadtwerke, "Abschlag Strom Februar",
           "Lastschrift", ""}}},
        {"comdirect.csv",
         "",
         "04.03.2026",
         {{"04.03.2026", std::nullopt, u'-', 41000, "Bäckerei Größ", "Brötchen",
           "Lastschrift / Belastung", "", "", true},
          {"04.03.2026", "04.03.2026", u'+', 12000000, "Jörg Weiß", longPurpose,
           "Übertrag / Überweisung", ""},
          {"02.03.2026", "02.03.2026", u'-', 623000, stadtwerke, "Abschlag Strom Februar Ref. 3X4Y",
           "Lastschrift / Belastung", ""}}},
        {"deutsche-bank.csv",
         "",
         "04.03.2026",
         {{"04.03.2026", "04.03.2026", u'+', 12000000, "Jörg Weiß", longPurpose,
           "SEPA-Überweisung von", joergIban, "COBADEFFXXX"},
          {"02.03.2026", "02.03.2026", u'-', 623000, stadtwerke, "Abschlag Strom Februar",
           "SEPA-Lastschrift von", stadtwerkeIban, "INGDDEFFXXX", false, "E2E-STROM-02"}}},
        {"commerzbank.csv",
         "DE02120300000000202051",
         "04.03.2026",
         {{"04.03.2026", "04.03.2026", u'+', 12000000, "", "Jörg Weiß " + longPurpose, "Gutschrift",
           ""},
          {"02.03.2026", "02.03.2026", u'-', 623000, "", stadtwerke + " Abschlag Strom Februar",
           "Lastschrift", ""}}},
        {"n26.csv",
         "",
         "04.03.2026",
         {{"02.03.2026", "02.03.2026", u'-', 623000, stadtwerke, "Abschlag Strom Februar",
           "Direct Debit", stadtwerkeIban},
          {"04.03.2026", "04.03.2026", u'+', 12000000, "Jörg Weiß", longPurpose, "Income",
           joergIban}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file);
        const auto statements = parse(fixture(c.file));
        ASSERT_TRUE(statements) << statements.error().message;
        ASSERT_EQ(1u, statements->size());
        const core::Statement &statement = statements->front();
        EXPECT_EQ(c.account, statement.accountId);
        EXPECT_EQ(0, statement.number) << "a CSV export is no numbered statement";
        EXPECT_EQ(Day(c.statementDate), statement.date) << "the latest booked value date";
        EXPECT_FALSE(statement.closingBalance);
        ASSERT_EQ(c.rows.size(), statement.entries.size());
        for (std::size_t i = 0; i < c.rows.size(); ++i) {
            SCOPED_TRACE("row " + std::to_string(i + 1));
            expectEntry(c.rows[i], statement.entries[i]);
        }
    }
}

TEST(ParseBankCsv, RefusesWhatItCannotReadNamingTheLineOrTheHeader) {
    const std::string header = "Buchungsdatum;Wertstellung;Status;Zahlungspflichtige*r;"
                               "Zahlungsempfänger*in;Verwendungszweck;Umsatztyp;IBAN;Betrag (€)\n";
    const std::string good = "02.03.26;02.03.26;Gebucht;A;B;C;Ausgang;;-1,00\n";
    struct Case {
        std::string name;
        std::string text;
        std::string layout;
        std::string message;
    };
    const Case cases[] = {
        {"an amount in the middle of the table",
         header + good + "03.03.26;03.03.26;Gebucht;A;B;C;Ausgang;;1,2x\n" + good, "",
         "Zeile 3: Der Betrag „1,2x“ ist ungültig."},
        {"a date in the middle of the table",
         header + "31.02.26;;Gebucht;A;B;C;Ausgang;;1\n" + good, "",
         "Zeile 2: Das Datum „31.02.26“ ist ungültig."},
        {"an amount of a fifth decimal, never rounded",
         header + "02.03.26;02.03.26;Gebucht;A;B;C;Ausgang;;0,000001\n", "",
         "Zeile 2: Der Betrag „0,000001“ ist ungültig."},
        {"another currency",
         "Buchung;Wertstellungsdatum;Auftraggeber/Empfänger;Buchungstext;Verwendungszweck;"
         "Betrag;Währung\n02.03.2026;02.03.2026;A;B;C;-1,00;USD\n",
         "", "Zeile 2: Der Betrag ist in der Währung „USD“ angegeben; eine Kontodatei führt Euro."},
        {"an unknown header", "Datum;Text;Summe\n02.03.2026;x;1,00\n", "",
         "Die CSV-Datei hat keinen bekannten Aufbau einer Bank (erste Zeile: „Datum;Text;Summe“)."},
        {"a forced layout the header is not", header + good, "n26",
         "Die CSV-Datei hat keinen bekannten Aufbau einer Bank (erste Zeile: „Buchungsdatum;"},
        {"an unknown layout name", header + good, "hausbank",
         "Das CSV-Format „hausbank“ ist unbekannt; bekannt sind: sparkasse-camt,"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto statements = core::ParseBankCsv(c.text, c.layout);
        ASSERT_FALSE(statements);
        EXPECT_TRUE(statements.error().message.starts_with(c.message))
            << statements.error().message;
    }
    // Lines of balances after the table are no entries, and refuse nothing.
    const auto footed = core::ParseBankCsv(header + good + "Kontostand;05.03.2026;;;;;;;2,00\n");
    ASSERT_TRUE(footed) << footed.error().message;
    EXPECT_EQ(1u, footed->front().entries.size());
}

TEST(ParseBankCsv, ForcingTheDetectedLayoutChangesNothing) {
    const auto bytes = fixture("sparkasse-camt.csv");
    const auto forced = parse(bytes, "sparkasse-camt");
    ASSERT_TRUE(forced) << forced.error().message;
    EXPECT_EQ(*parse(bytes), *forced);
    EXPECT_TRUE(core::IsBankCsv(
        std::string_view(reinterpret_cast<const char *>(bytes.data()), bytes.size())));
    EXPECT_FALSE(core::IsBankCsv(":20:STARTUMS\r\n:25:12030000/202051\r\n"));
}
