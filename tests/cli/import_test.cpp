#include "clirunner.h"

#include "support/fixtures.h"
#include "support/records.h"
#include "support/tempdir.h"

#include "core/bookingchanges.h"
#include "core/cp1252.h"
#include "platform/accountfilelock.h"
#include "platform/registrystore.h"
#include "platform/settingsstore.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

using namespace penvaro;
using penvaro::testing::RunCli;

namespace {

// Each test has its own account file and its own settings store.
class CliImport : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("XDG_CONFIG_HOME", m_config.path("").c_str(), 1); }

    std::string account(const std::vector<core::BookingRecord> &records) {
        penvaro::testing::WriteBytes(m_files.path("giro.p11"),
                                     penvaro::testing::FileBytes(records));
        return m_files.path("giro.p11").string();
    }

    std::string statement(const std::string &name, const std::string &text) {
        penvaro::testing::WriteBytes(m_files.path(name), {text.begin(), text.end()});
        return m_files.path(name).string();
    }

    std::vector<std::uint8_t> accountBytes() const {
        return penvaro::testing::ReadBytes(m_files.path("giro.p11"));
    }

    // All settings as the registry export lists them, as UTF-8; empty while there are none.
    std::string settings() {
        const std::string file = m_files.path("export.reg").string();
        if (RunCli({"settings", "export", file}).status != 0)
            return {};
        const auto bytes = penvaro::testing::ReadBytes(file);
        std::string text;
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2)
            core::AppendUtf8(text, static_cast<char32_t>(bytes[i] | bytes[i + 1] << 8));
        return text;
    }

    penvaro::testing::TempDir m_files;

private:
    penvaro::testing::TempDir m_config;
};

std::string fixture(const std::string &name) {
    return penvaro::testing::StatementFixture(name).string();
}

// The electricity planned under the short name the user typed; the bank names the firm in full.
core::BookingRecord plannedElectricity() {
    core::BookingRecord r = penvaro::testing::Planned("03.01.2027", -499500);
    r.Absender.setUtf8("Stadtwerke");
    return r;
}

const std::vector<core::BookingRecord> plannedAccount = {
    penvaro::testing::StartValue(10000000), plannedElectricity(),
    penvaro::testing::Planned("20.01.2027", 8000000)};

const std::string mt940Lines =
    "added\t1\t2027\t13\t02.01.2027\t30.12.2026\t\tJürgen Weiß Gebäudereinigung\t"
    "Rechnung 2026-12 Nr. 5\t30.12.2026\t+\t8000000\n"
    "matched\t1\t2027\t13\t02.01.2027\t31.12.2026\tAbbuchung\tStadtwerke\t"
    "Stromabschlag Jan. 2027 € 49,95\t02.01.2027\t-\t499500\n"
    "added\t1\t2027\t13\t02.01.2027\t02.01.2027\t\t\tRückbuchung Gutschrift\t02.01.2027\t-\t"
    "100000\n"
    "added\t1\t2027\t13\t02.01.2027\t02.01.2027\t\t\tRücklastschrift\t02.01.2027\t+\t"
    "55000\n"
    "added\t1\t2027\t14\t05.01.2027\t05.01.2027\t\tAllianz\tVersicherung\t05.01.2027\t-\t"
    "12345000\n"
    "added\t1\t2027\t14\t05.01.2027\t04.01.2027\t\t\t\t04.01.2027\t+\t8000000\n";
const std::string mt940Closing = "closing\t-\t13110500\n";

std::size_t linesStartingWith(const std::string &out, const std::string &start) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < out.size(); pos = out.find('\n', pos) + 1) {
        if (out.compare(pos, start.size(), start) == 0)
            ++count;
        if (out.find('\n', pos) == std::string::npos)
            break;
    }
    return count;
}

std::string skippedOnly(const std::string &lines) {
    std::string result;
    std::size_t start = 0;
    while (start < lines.size()) {
        const std::size_t end = lines.find('\n', start);
        const std::string line = lines.substr(start, end + 1 - start);
        result += "skipped" + line.substr(line.find('\t'));
        start = end + 1;
    }
    return result;
}

} // namespace

TEST_F(CliImport, BooksAStatementSettlingPlannedBookingsAndASecondRunSkipsIt) {
    const std::string file = account(plannedAccount);
    const auto run = RunCli({"import", file, fixture("mt940-cp1252.sta")});
    ASSERT_EQ(0, run.status) << run.err;
    EXPECT_EQ(mt940Lines + mt940Closing, run.out);

    const auto dump = RunCli({"dump", file});
    ASSERT_EQ(0, dump.status);
    EXPECT_NE(std::string::npos, dump.out.find("\t2\t2027\t1\t20.01.2027\t")) << dump.out;
    EXPECT_EQ(std::string::npos, dump.out.find("\t2\t2027\t1\t03.01.2027\t")) << "settled";
    EXPECT_NE(std::string::npos, dump.out.find("runs\t1\t7\t8\t8\t0\t")) << dump.out;
    const auto balance = RunCli({"balance", file});
    EXPECT_EQ(0u, balance.out.find("book\t13110500\t")) << balance.out;

    const auto bytes = accountBytes();
    const auto again = RunCli({"import", file, fixture("mt940-cp1252.sta")});
    ASSERT_EQ(0, again.status) << again.err;
    // Skipped lines show the entry as the bank writes it, not the settled plan's texts.
    std::string skipped = skippedOnly(mt940Lines);
    const std::string settled = "\tAbbuchung\tStadtwerke\t";
    skipped.replace(skipped.find(settled), settled.size(), "\t\tStadtwerke Süd\t");
    EXPECT_EQ(skipped + mt940Closing, again.out);
    EXPECT_EQ(bytes, accountBytes());
}

TEST_F(CliImport, ADryRunShowsTheSameAndWritesNothing) {
    const std::string file = account(plannedAccount);
    const auto bytes = accountBytes();
    const auto run = RunCli({"import", "--dry-run", file, fixture("mt940-cp1252.sta")});
    ASSERT_EQ(0, run.status) << run.err;
    EXPECT_EQ(mt940Lines + mt940Closing, run.out);
    EXPECT_EQ(bytes, accountBytes());
    const std::string stored = settings();
    EXPECT_EQ(std::string::npos, stored.find("202713")) << stored;
    EXPECT_EQ(std::string::npos, stored.find("VAEB")) << stored;
}

TEST_F(CliImport, WaitsForTheProgramThatHasTheFileOpenButNotForOneThatCrashed) {
    const std::string file = account(plannedAccount);
    const auto bytes = accountBytes();
    {
        platform::AccountFileLock program;
        ASSERT_EQ(platform::AccountFileLock::Outcome::Locked, program.tryLock(file));
        const auto refused = RunCli({"import", file, fixture("mt940-cp1252.sta")});
        EXPECT_EQ(1, refused.status);
        EXPECT_NE(std::string::npos, refused.err.find("Penvaro-Fenster")) << refused.err;
        EXPECT_EQ(bytes, accountBytes());
        EXPECT_EQ(0, RunCli({"import", "--dry-run", file, fixture("mt940-cp1252.sta")}).status)
            << "looking is no writing";
        // Another name of the same file meets the same lock; a hard link shares no path.
        const auto hard = m_files.path("hart.p11");
        const auto soft = m_files.path("weich.p11");
        std::filesystem::create_hard_link(file, hard);
        std::filesystem::create_symlink(file, soft);
        for (const auto &name : {hard, soft}) {
            const auto other = RunCli({"import", name.string(), fixture("mt940-cp1252.sta")});
            EXPECT_EQ(1, other.status) << name;
            EXPECT_NE(std::string::npos, other.err.find("geöffnet")) << other.err;
            EXPECT_EQ(bytes, accountBytes());
        }
        std::filesystem::remove(hard);
        std::filesystem::remove(soft);
    }

    // A crashed program leaves its lock file, but nobody holds it.
    const auto lockFile = platform::AccountFileLock::lockFileOf(file);
    penvaro::testing::WriteBytes(lockFile, {});
    const auto run = RunCli({"import", file, fixture("mt940-cp1252.sta")});
    ASSERT_EQ(0, run.status) << run.err;
    EXPECT_NE(bytes, accountBytes());
    EXPECT_FALSE(std::filesystem::exists(lockFile));
}

TEST_F(CliImport, EveryNameOfTheFileMeetsTheLockThatNamesItsHolder) {
    using Holder = platform::AccountFileLock::Holder;
    const std::string file = account(plannedAccount);
    std::filesystem::create_directory(m_files.path("andere"));
    std::filesystem::create_symlink(file, m_files.path("Link.p11"));
    std::filesystem::create_symlink("../giro.p11", m_files.path("andere/giro.p11"));
    const auto bytes = accountBytes();
    const std::string process = "(Prozess " + std::to_string(::getpid()) + ")";
    const struct {
        Holder holder;
        std::string name;
        std::string heldBy;
    } cases[] = {
        {Holder::Window, file, "in einem Penvaro-Fenster " + process},
        {Holder::Window, m_files.path("Link.p11").string(), "in einem Penvaro-Fenster " + process},
        {Holder::Cli, m_files.path("andere/giro.p11").string(), "von penvaro-cli " + process},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        platform::AccountFileLock holding(c.holder);
        ASSERT_EQ(platform::AccountFileLock::Outcome::Locked, holding.tryLock(file));
        const auto refused = RunCli({"import", c.name, fixture("mt940-cp1252.sta")});
        EXPECT_EQ(1, refused.status);
        EXPECT_NE(std::string::npos, refused.err.find(" ist " + c.heldBy + " zum Bearbeiten"))
            << refused.err;
        EXPECT_EQ(bytes, accountBytes());
    }
}

TEST_F(CliImport, AFileTheImportWouldHarmIsLeftAsItIs) {
    using std::filesystem::perms;
    const struct {
        const char *name;
        perms permissions;
        std::size_t partialBytes;
        const char *says;
    } cases[] = {
        {"read-only", perms::owner_read | perms::group_read | perms::others_read, 0,
         "schreibgeschützt oder gehört einem anderen Benutzer"},
        {"partial last record", perms::owner_read | perms::owner_write, 100, "endet mit 100 Bytes"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = account(plannedAccount);
        auto bytes = accountBytes();
        bytes.resize(bytes.size() + c.partialBytes, 0x41);
        penvaro::testing::WriteBytes(file, bytes);
        std::filesystem::permissions(file, c.permissions);
        const auto refused = RunCli({"import", file, fixture("mt940-cp1252.sta")});
        EXPECT_EQ(1, refused.status);
        EXPECT_NE(std::string::npos, refused.err.find(c.says)) << refused.err;
        EXPECT_EQ(bytes, accountBytes());
        std::filesystem::remove(file);
    }
}

TEST_F(CliImport, RemovesTheCopyAStoppedImportLeft) {
    const std::string file = account(plannedAccount);
    const auto left = m_files.path(".giro.p11.k9Xq2z");
    penvaro::testing::WriteBytes(left, {1, 2, 3});
    ASSERT_EQ(0, RunCli({"import", file, fixture("mt940-cp1252.sta")}).status);
    EXPECT_FALSE(std::filesystem::exists(left));
}

TEST_F(CliImport, AProgramThatReadTheFileBeforeTheImportDoesNotWriteOverIt) {
    // A program that opened the file read-only, or a copy synchronised from elsewhere, still
    // holds the bookings from before the import.
    const std::string file = account(plannedAccount);
    core::BookingTable stale;
    ASSERT_TRUE(core::LoadAccountFile(file, stale));
    ASSERT_EQ(0, RunCli({"import", file, fixture("mt940-cp1252.sta")}).status);
    core::BookingTable imported;
    ASSERT_TRUE(core::LoadAccountFile(file, imported));

    const core::BookingRecord mine = penvaro::testing::Planned("01.03.2027", -10000);
    const auto refused = core::AddBooking(stale, mine, file);
    ASSERT_FALSE(refused);
    EXPECT_EQ(core::ErrorKind::Changed, refused.error().kind);
    ASSERT_EQ(imported.count(), stale.count()) << "read again as the import left it";
    for (int slot = 1; slot <= stale.count(); ++slot)
        EXPECT_EQ(imported.slot(slot), stale.slot(slot)) << slot;

    ASSERT_TRUE(core::AddBooking(stale, mine, file)) << "made again, the change is stored";
    core::BookingTable both;
    ASSERT_TRUE(core::LoadAccountFile(file, both));
    EXPECT_EQ(imported.count() + 1, both.count());
}

TEST_F(CliImport, ReadsCamtStatementsAndComparesTheClosingBalance) {
    const std::string file = account({penvaro::testing::StartValue(10000000)});
    const auto camt02 = RunCli({"import", file, fixture("camt053-001-02.xml")});
    ASSERT_EQ(0, camt02.status) << camt02.err;
    EXPECT_EQ("added\t1\t2026\t7\t02.02.2026\t30.01.2026\t\tMüller & Söhne GmbH\t"
              "Gehalt Januar Personalnr. 4711\t30.01.2026\t+\t25000000\n"
              "added\t1\t2026\t7\t02.02.2026\t01.02.2026\t\tHausverwaltung Größe\t"
              "Miete Februar – 850 € ? Whg. 3\t02.02.2026\t-\t8500000\n"
              "added\t1\t2026\t7\t02.02.2026\t01.02.2026\t\t\t\t01.02.2026\t-\t459900\n"
              "closing\t26040100\t26040100\n",
              camt02.out);

    const auto camt08 = RunCli({"import", file, fixture("camt053-001-08.xml")});
    ASSERT_EQ(0, camt08.status) << camt08.err;
    EXPECT_EQ("added\t1\t2027\t1\t04.01.2027\t31.12.2026\t\tStreamingdienst Europa S.à "
              "r.l\tAbonnement Premium Familie Januar 2027 Kundennumme\t02.01.2027\t-\t199900\n"
              "added\t1\t2027\t1\t04.01.2027\t03.01.2027\t\tZinsgutschrift und 1 weitere\t"
              "Zinsen 2026\t"
              "03.01.2027\t+\t100\n"
              "closing\t-1200000\t25840300\n",
              camt08.out)
        << "the closing balance differs: a statement is missing";
}

TEST_F(CliImport, RemembersStatementDatesAndTextsLikeTheEntryDialog) {
    const std::string file = account(plannedAccount);
    ASSERT_EQ(0, RunCli({"import", file, fixture("mt940-cp1252.sta")}).status);
    const std::string stored = settings();
    const std::string fileKey =
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarvel SoftLabs\\Penvaro98\\" + file + "]\r\n";
    const std::size_t key = stored.find(fileKey);
    ASSERT_NE(std::string::npos, key) << stored;
    // 02.01.2027 and 05.01.2027 are the day counts 46389 and 46392.
    EXPECT_NE(std::string::npos, stored.find("\"202713\"=hex:00,00,00,00,a0,a6,e6,40", key))
        << stored;
    EXPECT_NE(std::string::npos, stored.find("\"202714\"=hex:00,00,00,00,00,a7,e6,40", key));
    for (const char *entry :
         {"VAEB\\AE\\Allianz]", "VAEB\\Verw\\Rücklastschrift]", "VAEB\\Art\\Abbuchung]"})
        EXPECT_NE(std::string::npos, stored.find(entry)) << entry;
}

TEST_F(CliImport, RefusesUnreadableInputNamingThePlaceAndChangesNothing) {
    std::vector<core::BookingRecord> full(core::MaxBookings,
                                          penvaro::testing::Completed(2020, 1, "01.01.2020"));
    struct Case {
        const char *name;
        std::vector<core::BookingRecord> records;
        std::string statement;
        std::string fragment;
    };
    const Case cases[] = {
        {"missing statement", plannedAccount, m_files.path("fehlt.sta").string(),
         "fehlt.sta: Die Datei oder der Ordner ist nicht vorhanden."},
        {"malformed XML", plannedAccount,
         statement("kaputt.xml", "<?xml version=\"1.0\"?>\n<Document xmlns=\"urn:iso:std:iso:"
                                 "20022:tech:xsd:camt.053.001.02\">\n<Stmt>\n</Document>\n"),
         "kaputt.xml: Zeile 4, Spalte"},
        {"bad amount", plannedAccount,
         statement("betrag.sta", ":20:X\r\n:25:1/2\r\n:28C:1\r\n:61:260115C12.50NTRF\r\n"),
         "betrag.sta: Zeile 4: Der Betrag in :61: „260115C12.50NTRF“ ist ungültig."},
        {"statements of two accounts", plannedAccount,
         statement("zwei.sta", ":20:X\n:25:1/2\n:28C:1\n:61:260115C1,\n-\n"
                               ":20:X\n:25:1/3\n:28C:2\n:61:260116C1,\n-\n"),
         "mehrerer Konten (1/2, 1/3)"},
        {"full table", full, fixture("camt053-001-02.xml"), "Die Buchungstabelle ist voll"},
        {"closing balance in dollars", plannedAccount,
         statement("usd.sta", ":20:X\r\n:25:1/2\r\n:28C:1\r\n:61:260115C1,NTRF\r\n"
                              ":62F:C260228USD1234,56\r\n-\r\n"),
         "usd.sta: Zeile 5: Der Schlusssaldo :62F: ist in der Währung „USD“ angegeben"},
        {"entry in dollars", plannedAccount,
         statement("usd.xml", "<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.08\">"
                              "<BkToCstmrStmt><Stmt><CreDtTm>2026-03-01</CreDtTm><Ntry>\n"
                              "<Amt Ccy=\"USD\">10.00</Amt><CdtDbtInd>CRDT</CdtDbtInd>"
                              "<ValDt><Dt>2026-02-27</Dt></ValDt></Ntry></Stmt></BkToCstmrStmt>"
                              "</Document>"),
         "usd.xml: Zeile 2, Element Amt: Der Betrag ist in der Währung „USD“"},
        {"no statement after :20:", plannedAccount,
         statement("leer.sta", ":20:STARTUMSE\r:21:NONREF\r-\r"), "keinen lesbaren MT940"},
    };
    for (const Case &c : cases) {
        const std::string file = account(c.records);
        const auto bytes = accountBytes();
        // A trial run answers what the import would do, its refusal included.
        for (const bool dryRun : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (dryRun ? ", dry run" : ""));
            const auto run =
                RunCli(dryRun ? std::vector<std::string>{"import", "--dry-run", file, c.statement}
                              : std::vector<std::string>{"import", file, c.statement});
            EXPECT_EQ(1, run.status);
            EXPECT_TRUE(run.out.empty()) << run.out;
            EXPECT_NE(std::string::npos, run.err.find(c.fragment)) << run.err;
            EXPECT_EQ(bytes, accountBytes());
        }
    }

    const auto noAccount =
        RunCli({"import", m_files.path("fehlt.p11").string(), fixture("mt940-cp1252.sta")});
    EXPECT_EQ(1, noAccount.status);
    EXPECT_FALSE(std::filesystem::exists(m_files.path("fehlt.p11")));

    penvaro::testing::WriteBytes(m_files.path("alt.p02"),
                                 penvaro::testing::LegacyFileBytes(plannedAccount));
    const auto legacy =
        RunCli({"import", m_files.path("alt.p02").string(), fixture("mt940-cp1252.sta")});
    EXPECT_EQ(1, legacy.status);
    EXPECT_NE(std::string::npos, legacy.err.find("penvaro-cli convert")) << legacy.err;
    EXPECT_EQ(penvaro::testing::LegacyFileBytes(plannedAccount),
              penvaro::testing::ReadBytes(m_files.path("alt.p02")));
}

TEST_F(CliImport, WrongUsageExitsWith2) {
    const std::string file = account(plannedAccount);
    EXPECT_EQ(2, RunCli({"import"}).status);
    EXPECT_EQ(2, RunCli({"import", file}).status);
    EXPECT_EQ(2, RunCli({"import", file, fixture("mt940-cp1252.sta"), "x"}).status);
    EXPECT_EQ(2, RunCli({"import", file, fixture("mt940-cp1252.sta"), "--trocken"}).status);
}

TEST_F(CliImport, BooksEachBankEntryOnceWhicheverFormatComesFirst) {
    // One day in both formats: the bank's reference and the payer's are the same, the texts
    // are not ("–" and "-", „Wartung“ and WARTUNG, a batch of two members and one line).
    struct Case {
        const char *first;
        const char *second;
        std::size_t booked;
    };
    const Case cases[] = {
        {"camt053-same-day.xml", "mt940-same-day.sta", 4},
        {"mt940-same-day.sta", "camt053-same-day.xml", 3},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.first);
        const auto path = m_files.path(c.first + std::string(".p11"));
        penvaro::testing::WriteBytes(
            path, penvaro::testing::FileBytes({penvaro::testing::StartValue(26040100)}));
        const auto first = RunCli({"import", path.string(), fixture(c.first)});
        ASSERT_EQ(0, first.status) << first.err;
        EXPECT_EQ(c.booked, linesStartingWith(first.out, "added\t")) << first.out;
        EXPECT_EQ(c.booked + 1, linesStartingWith(first.out, ""));
        EXPECT_NE(std::string::npos, first.out.find("closing\t28640100\t28640100\n")) << first.out;

        const auto bytes = penvaro::testing::ReadBytes(path);
        const auto second = RunCli({"import", path.string(), fixture(c.second)});
        ASSERT_EQ(0, second.status) << second.err;
        EXPECT_EQ(7 - c.booked, linesStartingWith(second.out, "skipped\t")) << second.out;
        EXPECT_EQ(8 - c.booked, linesStartingWith(second.out, ""));
        EXPECT_NE(std::string::npos, second.out.find("closing\t28640100\t28640100\n"))
            << second.out;
        EXPECT_EQ(bytes, penvaro::testing::ReadBytes(path));
    }

    // The party's account, for a transfer to it.
    const std::string stored = settings();
    const std::size_t recipient = stored.find("\\Ueberw\\Heizungsbau Özdemir GmbH]");
    ASSERT_NE(std::string::npos, recipient) << stored;
    const std::string key = stored.substr(recipient, stored.find('[', recipient) - recipient);
    EXPECT_NE(std::string::npos, key.find("\"IBAN\"=\"DE89370400440532013000\"")) << key;
    EXPECT_NE(std::string::npos, key.find("\"BIC\"=\"COBADEFFXXX\"")) << key;
}

TEST_F(CliImport, ReadsABanksCsvExportLeavingPendingRowsAndTheCamtOfTheDayAddsNothing) {
    const std::string file = account({penvaro::testing::StartValue(0)});
    const std::string csv = fixture("csv/sparkasse-camt.csv");
    const auto forced = RunCli({"import", "--dry-run", "--csv-layout", "n26", file, csv});
    EXPECT_EQ(1, forced.status);
    EXPECT_NE(std::string::npos, forced.err.find("keinen bekannten Aufbau")) << forced.err;

    const auto first = RunCli({"import", file, csv});
    ASSERT_EQ(0, first.status) << first.err;
    EXPECT_EQ(1u, linesStartingWith(first.out, "pending\t")) << first.out;
    EXPECT_EQ(2u, linesStartingWith(first.out, "added\t")) << first.out;
    EXPECT_NE(std::string::npos, first.out.find("closing\t-\t11377000\n")) << first.out;

    const auto bytes = accountBytes();
    const auto camt = RunCli({"import", file, fixture("camt053-sparkasse-csv-day.xml")});
    ASSERT_EQ(0, camt.status) << camt.err;
    EXPECT_EQ(2u, linesStartingWith(camt.out, "skipped\t")) << camt.out;
    EXPECT_NE(std::string::npos, camt.out.find("closing\t11377000\t11377000\n")) << camt.out;
    EXPECT_EQ(bytes, accountBytes());

    const auto unknown = RunCli({"import", "--dry-run", file,
                                 statement("export.csv", "Datum;Text;Summe\n01.03.2026;x;1,00\n")});
    EXPECT_EQ(1, unknown.status);
    EXPECT_NE(std::string::npos, unknown.err.find("(erste Zeile: „Datum;Text;Summe“)"))
        << unknown.err;
}

TEST_F(CliImport, TakesOneAccountOutOfAFileOfSeveral) {
    const std::string file = account({penvaro::testing::StartValue(0)});
    const auto message = [](const std::string &account, const std::string &line61) {
        return ":20:STARTUMS\r\n:25:" + account + "\r\n:28C:1/1\r\n:61:" + line61
               + "\r\n:62F:C260131EUR0,00\r\n-\r\n";
    };
    const std::string sta =
        statement("all.sta", message("50880050/0194787400888", "260115C500NTRF")
                                 + message("50880050/0194791600888", "2602300301DR6,00N024NONREF"));
    const auto refused = RunCli({"import", "--dry-run", file, sta});
    EXPECT_EQ(1, refused.status);
    EXPECT_NE(std::string::npos,
              refused.err.find("(50880050/0194787400888, 50880050/0194791600888)"))
        << refused.err;

    const auto chosen =
        RunCli({"import", "--dry-run", "--account", "50880050/0194791600888", file, sta});
    ASSERT_EQ(0, chosen.status) << chosen.err;
    EXPECT_EQ(1u, linesStartingWith(chosen.out, "added\t")) << chosen.out;
    EXPECT_NE(std::string::npos, chosen.out.find("\t28.02.2026\t")) << chosen.out;
    EXPECT_NE(std::string::npos,
              chosen.err.find("Die Auszüge des Kontos 50880050/0194787400888 werden nicht "
                              "importiert."))
        << chosen.err;
    EXPECT_NE(std::string::npos,
              chosen.err.find("Valutadatum 30.02.2026 gibt es nicht; gelesen als 28.02.2026."))
        << chosen.err;
}

TEST_F(CliImport, RefusesAStatementOfAnotherAccountUnlessToldNamingBoth) {
    const std::string file = account({penvaro::testing::StartValue(0)});
    {
        auto store =
            platform::RegistryStore::Open(platform::RegistryStore::DefaultDatabasePath()).store;
        const QString key = platform::FileSettingsKey(*store, QString::fromStdString(file));
        ASSERT_TRUE(store->createKey(key));
        ASSERT_TRUE(
            store->setValues(key, {{QStringLiteral("Kontonummer"), QStringLiteral("4711")},
                                   {QStringLiteral("Bankleitzahl"), QStringLiteral("12030000")}}));
    }
    const auto bytes = accountBytes();
    const auto refused = RunCli({"import", file, fixture("camt053-same-day.xml")});
    EXPECT_EQ(1, refused.status);
    EXPECT_TRUE(refused.out.empty()) << refused.out;
    EXPECT_NE(std::string::npos,
              refused.err.find("Der Kontoauszug gehört zum Konto DE02120300000000202051, die "
                               "Kontodatei "
                               + file + " zum Konto 4711, BLZ 12030000."))
        << refused.err;
    EXPECT_EQ(bytes, accountBytes());

    const auto told = RunCli({"import", "--other-account", file, fixture("camt053-same-day.xml")});
    ASSERT_EQ(0, told.status) << told.err;
    EXPECT_EQ(4u, linesStartingWith(told.out, "added\t"));
}

TEST_F(CliImport, ComparesAnOlderStatementWithTheBalanceOfItsOwnDay) {
    const std::string file = account({penvaro::testing::StartValue(10000000)});
    const auto march = RunCli({"import", file, fixture("camt053-same-day.xml")});
    ASSERT_EQ(0, march.status) << march.err;
    EXPECT_NE(std::string::npos, march.out.find("closing\t28640100\t12600000\n"))
        << "February is missing";
    const auto february = RunCli({"import", file, fixture("camt053-001-02.xml")});
    ASSERT_EQ(0, february.status) << february.err;
    EXPECT_NE(std::string::npos, february.out.find("closing\t26040100\t26040100\n"))
        << "not the 2.864,01 that March brought: " << february.out;
}
