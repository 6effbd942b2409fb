#include "clirunner.h"

#include "support/bankcodelines.h"
#include "support/records.h"
#include "support/tempdir.h"

#include "core/accountfile.h"
#include "core/bookingtable.h"
#include "core/date.h"

#include <QDate>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

using namespace penvaro;
using penvaro::testing::BankCodeLine;
using penvaro::testing::RunCli;

namespace {

// Each test has data and configuration folders of its own, with a small bank code file.
class CliSepa : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("XDG_DATA_HOME", m_data.path("").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", m_config.path("").c_str(), 1);
        const std::string banks = BankCodeLine("37040044", "Commerzbank", "Commerzbank Köln",
                                               "50447", "Köln", "COBADEFFXXX")
                                  + BankCodeLine("12030000", "Deutsche Kreditbank Berlin",
                                                 "DKB Berlin", "10919", "Berlin");
        std::filesystem::create_directories(m_data.path("penvaro"));
        penvaro::testing::WriteBytes(m_data.path("penvaro/blz.asc"), {banks.begin(), banks.end()});
    }

    std::string file(const std::string &name) const { return m_files.path(name).string(); }

    std::string account(const std::string &name) {
        const std::string path = file(name);
        penvaro::testing::WriteBytes(
            path, penvaro::testing::FileBytes({penvaro::testing::StartValue(0)}));
        return path;
    }

    // Stores the account data in the key the program keeps for the account file.
    void storeAccountData(const std::string &accountPath, const std::string &values) {
        const std::string reg = "Windows Registry Editor Version 5.00\r\n\r\n"
                                "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarvel SoftLabs\\Penvaro98\\"
                                + accountPath + "]\r\n" + values;
        const auto path = m_files.path("konto.reg");
        penvaro::testing::WriteBytes(path, {reg.begin(), reg.end()});
        const auto run = RunCli({"settings", "import", path.string()});
        ASSERT_EQ(0, run.status) << run.err;
    }

private:
    penvaro::testing::TempDir m_data;
    penvaro::testing::TempDir m_config;
    penvaro::testing::TempDir m_files;
};

std::string readText(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> transferOptions(const std::string &amount = "125,50") {
    return {"--name", "Stadtwerke Köln", "--iban",    "DE02 1203 0000 0000 2020 51", "--amount",
            amount,   "--purpose",       "Kunde 4711"};
}

std::vector<std::string> with(std::vector<std::string> first,
                              const std::vector<std::string> &rest) {
    first.insert(first.end(), rest.begin(), rest.end());
    return first;
}

} // namespace

TEST_F(CliSepa, ChecksAndDerivesIbans) {
    struct Case {
        const char *name;
        std::vector<std::string> args;
        int status;
        std::string out; // for a refusal, the start of the output
    };
    const Case cases[] = {
        {"German IBAN with bank and BIC",
         {"iban-check", "de89 3704 0044 0532 0130 00"},
         0,
         "valid\tDE89370400440532013000\tCOBADEFFXXX\tCommerzbank Köln\n"},
        {"German bank without BIC",
         {"iban-check", "DE02120300000000202051"},
         0,
         "valid\tDE02120300000000202051\t\tDKB Berlin\n"},
        {"foreign IBAN",
         {"iban-check", "GB29 NWBK 6016 1331 9268 19"},
         0,
         "valid\tGB29NWBK60161331926819\t\t\n"},
        {"wrong check digits",
         {"iban-check", "DE89370400440532013001"},
         1,
         "invalid\tDie Prüfziffern"},
        {"wrong length", {"iban-check", "DE8937040044053201300"}, 1, "invalid\tEine IBAN aus DE"},
        {"unknown country", {"iban-check", "XY89370400440532013000"}, 1, "invalid\tFür das Land"},
        {"unknown bank",
         {"iban-check", "DE12500105170648489890"},
         1,
         "invalid\tDie Bankleitzahl 50010517"},
        {"account fails its method",
         {"iban-check", "DE14370400441234567890"},
         1,
         "invalid\tDie Kontonummer 1234567890"},
        {"derived", {"iban-from", "532013000", "37040044"}, 0, "DE89370400440532013000\n"},
        {"derived, unknown bank", {"iban-from", "532013000", "50010517"}, 1, ""},
        {"derived, failing account", {"iban-from", "1234567890", "37040044"}, 1, ""},
        {"no IBAN", {"iban-check"}, 2, ""},
    };
    for (const Case &c : cases) {
        const auto run = RunCli(c.args);
        EXPECT_EQ(c.status, run.status) << c.name << ": " << run.err;
        EXPECT_EQ(0u, run.out.find(c.out)) << c.name << ": " << run.out;
    }
}

TEST_F(CliSepa, GiroCodePrintsThePayloadAndDrawsTheCode) {
    const std::string png = file("code.png");
    const auto run = RunCli(with({"girocode", "--png", png}, transferOptions()));
    ASSERT_EQ(0, run.status) << run.err;
    EXPECT_EQ("BCD\n002\n1\nSCT\n\nStadtwerke Köln\nDE02120300000000202051\nEUR125.50\n\n\n"
              "Kunde 4711\n",
              run.out);
    EXPECT_EQ("\x89PNG", readText(png).substr(0, 4));

    const auto german = RunCli({"girocode", "--name", "Commerzbank", "--iban",
                                "DE89370400440532013000", "--amount", "1.000", "--purpose", ""});
    ASSERT_EQ(0, german.status) << german.err;
    EXPECT_EQ("BCD\n002\n1\nSCT\nCOBADEFFXXX\nCommerzbank\nDE89370400440532013000\nEUR1000.00\n",
              german.out)
        << "the BIC comes from the bank code file";

    struct Refusal {
        const char *name;
        std::vector<std::string> args;
        int status;
    };
    const Refusal refusals[] = {
        {"wrong IBAN",
         {"girocode", "--name", "A", "--iban", "DE00", "--amount", "1", "--purpose", ""},
         1},
        {"amount with a sign", with({"girocode"}, transferOptions("-5,00")), 1},
        {"amount with three decimals", with({"girocode"}, transferOptions("5,001")), 1},
        {"amount too large", with({"girocode"}, transferOptions("1.000.000.000,00")), 1},
        {"foreign IBAN without BIC",
         {"girocode", "--name", "A", "--iban", "GB29NWBK60161331926819", "--amount", "1",
          "--purpose", ""},
         1},
        {"no amount",
         {"girocode", "--name", "A", "--iban", "DE02120300000000202051", "--purpose", ""},
         2},
    };
    for (const Refusal &r : refusals) {
        const auto refused = RunCli(r.args);
        EXPECT_EQ(r.status, refused.status) << r.name;
        EXPECT_EQ("", refused.out) << r.name;
    }
}

TEST_F(CliSepa, SepaTransferWritesTheFileAndBooksThePlannedDebit) {
    const std::string verein = account("verein.p11");
    storeAccountData(verein, "\"Kontoinhaber\"=\"SV Grün-Weiß e.V.\"\r\n"
                             "\"Kontonummer\"=\"532013000\"\r\n\"Bankleitzahl\"=\"37040044\"\r\n");
    const std::string xml = file("auftrag.xml");
    const auto run = RunCli(with(
        {"sepa-transfer", verein, "--execution", "15.01.2027", "--xml", xml}, transferOptions()));
    ASSERT_EQ(0, run.status) << run.err;
    const std::string written = readText(xml);
    EXPECT_NE(std::string::npos, written.find("<IBAN>DE89370400440532013000</IBAN>"))
        << "the debtor's IBAN is derived from the account data";
    EXPECT_NE(std::string::npos, written.find("<Dt>2027-01-15</Dt>"));
    EXPECT_NE(std::string::npos, written.find("<InstdAmt Ccy=\"EUR\">125.50</InstdAmt>"));
    const std::string lint =
        "xmllint --noout --schema " PENVARO_SEPA_SCHEMA " '" + xml + "' 2>/dev/null";
    EXPECT_EQ(0, std::system(lint.c_str())) << "the file passes the schema";

    core::BookingTable table;
    ASSERT_TRUE(core::LoadAccountFile(verein, table));
    ASSERT_EQ(2, table.count());
    const core::BookingRecord &booked = table.slot(2);
    EXPECT_EQ(core::BookingKind::Planned, booked.Satzart);
    EXPECT_EQ(*core::ParseDate("15.01.2027"), booked.Wertdatum);
    EXPECT_EQ("ÜB", booked.Buchungsart.toUtf8());
    EXPECT_EQ("Stadtwerke Köln", booked.Absender.toUtf8());
    EXPECT_EQ("Kunde 4711", booked.Verwendungszweck.toUtf8());
    EXPECT_EQ(1255000, booked.Betrag);
}

TEST_F(CliSepa, SepaTransferRefusalsWriteAndBookNothing) {
    const std::string verein = account("verein.p11");
    const std::string ohneDaten = account("ohne.p11");
    const std::string angerissen = account("angerissen.p11");
    for (const std::string &paying : {verein, angerissen})
        storeAccountData(paying, "\"Kontoinhaber\"=\"SV Grün-Weiß e.V.\"\r\n"
                                 "\"IBAN\"=\"DE89370400440532013000\"\r\n");
    // What an interrupted write of another program leaves: the program window asks about it.
    std::ofstream(angerissen, std::ios::binary | std::ios::app) << "halb";
    const std::string yesterday =
        QDate::currentDate().addDays(-1).toString(QStringLiteral("dd.MM.yyyy")).toStdString();
    const std::string xml = file("auftrag.xml");
    struct Case {
        const char *name;
        std::string account;
        std::vector<std::string> args;
        int status;
    };
    const std::vector<std::string> output{"--execution", "15.01.2027", "--xml", xml};
    const Case cases[] = {
        {"wrong IBAN", verein,
         with(output, {"--name", "A", "--iban", "DE02120300000000202052", "--amount", "1",
                       "--purpose", ""}),
         1},
        {"wrong amount", verein, with(output, transferOptions("1,2,3")), 1},
        {"no account data", ohneDaten, with(output, transferOptions()), 1},
        {"no execution date", verein, with({"--xml", xml}, transferOptions()), 2},
        {"impossible execution date", verein,
         with({"--execution", "31.02.2027", "--xml", xml}, transferOptions()), 2},
        {"execution date passed", verein,
         with({"--execution", yesterday, "--xml", xml}, transferOptions()), 2},
        {"execution date before the calendar's start", verein,
         with({"--execution", "01.01.0001", "--xml", xml}, transferOptions()), 2},
        {"account file ending in a partial record", angerissen, with(output, transferOptions()), 1},
    };
    for (const Case &c : cases) {
        const auto run = RunCli(with({"sepa-transfer", c.account}, c.args));
        EXPECT_EQ(c.status, run.status) << c.name << ": " << run.err;
        EXPECT_FALSE(std::filesystem::exists(xml)) << c.name;
        core::BookingTable table;
        ASSERT_TRUE(core::LoadAccountFile(c.account, table));
        EXPECT_EQ(1, table.count()) << c.name;
    }
}

TEST_F(CliSepa, ChecksCreditorIds) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string out; // for a refusal, the start of the output
    };
    const Case cases[] = {
        {{"creditor-id-check", "DE98ZZZ09999999999"}, 0, "valid\tDE98ZZZ09999999999\n"},
        {{"creditor-id-check", "de98 zzz 0999 9999 999"}, 0, "valid\tDE98ZZZ09999999999\n"},
        {{"creditor-id-check", "DE97ZZZ09999999999"}, 1, "invalid\tDie Prüfziffern"},
        {{"creditor-id-check", "DE98ZZZ0999999999"}, 1, "invalid\tEine deutsche Gläubiger-ID"},
        {{"creditor-id-check"}, 2, ""},
    };
    for (const Case &c : cases) {
        const auto run = RunCli(c.args);
        EXPECT_EQ(c.status, run.status) << c.args.back() << ": " << run.err;
        EXPECT_EQ(0u, run.out.find(c.out)) << c.args.back() << ": " << run.out;
    }
}

TEST_F(CliSepa, SepaTransferTakesSepaIbansWithABicOfTheirCountry) {
    const std::string verein = account("verein.p11");
    storeAccountData(verein, "\"Kontoinhaber\"=\"SV Grün-Weiß e.V.\"\r\n"
                             "\"Kontonummer\"=\"532013000\"\r\n\"Bankleitzahl\"=\"37040044\"\r\n");
    struct Case {
        const char *name;
        std::vector<std::string> recipient;
        int status;
        const char *reason; // part of the refusal
    };
    const Case cases[] = {
        {"BIC of a bank in another country",
         {"--iban", "NL91ABNA0417164300", "--bic", "COBADEFFXXX"},
         1,
         "Bank in DE"},
        {"outside SEPA", {"--iban", "BR1800360305000010009795493C1"}, 1, "SEPA"},
        {"EEA without BIC", {"--iban", "AT611904300234573201"}, 0, ""},
    };
    int written = 0;
    for (const Case &c : cases) {
        const std::string xml = file(std::string(c.name).substr(0, 8) + ".xml");
        auto args = with({"sepa-transfer", verein, "--execution", "15.01.2027", "--xml", xml,
                          "--name", "Grüne Wiese", "--amount", "50,00", "--purpose", "R 5"},
                         c.recipient);
        const auto run = RunCli(args);
        EXPECT_EQ(c.status, run.status) << c.name << ": " << run.err;
        if (c.status != 0) {
            EXPECT_NE(std::string::npos, run.err.find(c.reason)) << c.name << ": " << run.err;
            EXPECT_FALSE(std::filesystem::exists(xml)) << c.name;
            continue;
        }
        ++written;
        const std::string text = readText(xml);
        EXPECT_EQ(std::string::npos, text.find("<CdtrAgt>")) << c.name;
        const std::string lint =
            "xmllint --noout --schema " PENVARO_SEPA_SCHEMA " '" + xml + "' 2>/dev/null";
        EXPECT_EQ(0, std::system(lint.c_str())) << c.name;
    }
    core::BookingTable table;
    ASSERT_TRUE(core::LoadAccountFile(verein, table));
    EXPECT_EQ(1 + written, table.count()) << "only the written transfer is booked";
}
