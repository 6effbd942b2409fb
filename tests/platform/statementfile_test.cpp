#include "support/fixtures.h"
#include "support/tempdir.h"

#include "platform/statementfile.h"

#include <QString>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace penvaro;

namespace {

QString qPath(const std::filesystem::path &path) {
    return QString::fromStdString(path.string());
}

} // namespace

TEST(ReadStatementFile, TellsTheFormatByContentNotByName) {
    penvaro::testing::TempDir dir;
    struct Case {
        const char *fixture;
        const char *savedAs;
        std::size_t statements;
    };
    const Case cases[] = {
        {"mt940-cp1252.sta", "auszug.xml", 2},
        {"camt053-001-02.xml", "auszug.sta", 1},
        {"camt053-001-08.xml", "auszug", 1},
        {"csv/dkb.csv", "auszug.sta", 1},
        {"csv/sparkasse-mt940.csv", "umsaetze.xml", 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.fixture);
        std::filesystem::copy_file(penvaro::testing::StatementFixture(c.fixture),
                                   dir.path(c.savedAs),
                                   std::filesystem::copy_options::overwrite_existing);
        const auto statements = platform::ReadStatementFile(qPath(dir.path(c.savedAs)));
        ASSERT_TRUE(statements) << statements.error().message;
        EXPECT_EQ(c.statements, statements->size());
    }

    const auto xml =
        penvaro::testing::ReadBytes(penvaro::testing::StatementFixture("camt053-001-02.xml"));
    std::string marked = "\xEF\xBB\xBF";
    marked.append(xml.begin(), xml.end());
    penvaro::testing::WriteBytes(dir.path("bom.xml"), {marked.begin(), marked.end()});
    EXPECT_TRUE(platform::ReadStatementFile(qPath(dir.path("bom.xml"))))
        << "a byte-order mark before the XML";
}

TEST(ReadStatementFile, RefusesWhatIsNoStatementFileNamingIt) {
    penvaro::testing::TempDir dir;
    const auto missing = dir.path("fehlt.sta");
    const auto folder = dir.path("ordner");
    std::filesystem::create_directory(folder);
    const auto pipe = dir.path("pipe");
    ASSERT_EQ(0, ::mkfifo(pipe.c_str(), 0600));
    const auto huge = dir.path("riesig.xml");
    penvaro::testing::WriteBytes(huge, {'<'});
    std::filesystem::resize_file(huge, platform::MaxStatementFileSize + 1);
    const auto broken = dir.path("kaputt.sta");
    const std::string text = ":20:X\n:25:1\n:61:260115C12.50NTRF\n";
    penvaro::testing::WriteBytes(broken, {text.begin(), text.end()});
    const auto unknownCsv = dir.path("umsaetze.csv");
    const std::string header = "Datum,Empfänger,Betrag\n2026-03-01,X,1.00\n";
    penvaro::testing::WriteBytes(unknownCsv, {header.begin(), header.end()});

    struct Case {
        std::filesystem::path path;
        std::string fragment;
    };
    const Case cases[] = {
        {missing, "Beim Lesen von " + missing.string() + ": Die Datei oder der Ordner"},
        {folder, "Das ist ein Ordner"},
        {pipe, pipe.string() + " ist keine gewöhnliche Datei."}, // and it does not wait
        {huge, "größer als 50 MB"},
        {broken, "Kontoauszug " + broken.string() + ": Zeile 3: Der Betrag"},
        {unknownCsv, "keinen bekannten Aufbau einer Bank (erste Zeile: „Datum,Empfänger,Betrag“)"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path.string());
        const auto statements = platform::ReadStatementFile(qPath(c.path));
        ASSERT_FALSE(statements);
        EXPECT_NE(std::string::npos, statements.error().message.find(c.fragment))
            << statements.error().message;
    }
}
