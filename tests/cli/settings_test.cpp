#include "clirunner.h"

#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace penvaro;
using penvaro::testing::RunCli;

namespace {

// Each test gets a settings store of its own in a fresh configuration folder.
class CliSettings : public ::testing::Test {
protected:
    void SetUp() override { useFreshStore(); }

    void useFreshStore() {
        m_config = std::make_unique<penvaro::testing::TempDir>();
        ::setenv("XDG_CONFIG_HOME", m_config->path("").c_str(), 1);
    }

    void write(const std::string &name, const std::string &text) {
        penvaro::testing::WriteBytes(m_files.path(name), {text.begin(), text.end()});
    }

    std::string file(const std::string &name) const { return m_files.path(name).string(); }

    std::string exported() {
        const auto run = RunCli({"settings", "export", file("export.reg")});
        EXPECT_EQ(0, run.status) << run.err;
        const auto bytes = penvaro::testing::ReadBytes(m_files.path("export.reg"));
        return {bytes.begin(), bytes.end()};
    }

private:
    penvaro::testing::TempDir m_files;
    std::unique_ptr<penvaro::testing::TempDir> m_config;
};

const std::string wellFormed = "Windows Registry Editor Version 5.00\r\n"
                               "\r\n"
                               "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarvel SoftLabs\\Penvaro98]\r\n"
                               "\"Waehrung\"=\"öS\"\r\n"
                               "\"FontSize\"=dword:0000000a\r\n"
                               "\"Eurokurs\"=hex:cd,cc,cc,cc,cc,8c,2b,40\r\n";

} // namespace

TEST_F(CliSettings, ExportAndImportRoundTrip) {
    write("in.reg", wellFormed);
    const auto imported = RunCli({"settings", "import", file("in.reg")});
    ASSERT_EQ(0, imported.status) << imported.err;

    const std::string first = exported();
    ASSERT_GE(first.size(), 2u);
    EXPECT_EQ("\xFF\xFE", first.substr(0, 2)) << "UTF-16LE with byte-order mark";

    useFreshStore();
    write("again.reg", first);
    ASSERT_EQ(0, RunCli({"settings", "import", file("again.reg")}).status);
    EXPECT_EQ(first, exported());
}

TEST_F(CliSettings, AStoreNeverUsedExportsTheEmptyProductKey) {
    const std::string bytes = exported();
    std::string text;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2)
        text += bytes[i];
    EXPECT_EQ("Windows Registry Editor Version 5.00\r\n\r\n"
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarvel SoftLabs\\Penvaro98]\r\n\r\n",
              text);
    write("empty.reg", bytes);
    EXPECT_EQ(0, RunCli({"settings", "import", file("empty.reg")}).status);
}

TEST_F(CliSettings, AMalformedFileIsRefusedWithItsLineAndChangesNothing) {
    write("good.reg", wellFormed);
    ASSERT_EQ(0, RunCli({"settings", "import", file("good.reg")}).status);
    const std::string before = exported();

    write("bad.reg", wellFormed + "\"Neu\"=\"x\"\r\n\"Kaputt\"=dword:zz\r\n");
    const auto run = RunCli({"settings", "import", file("bad.reg")});
    EXPECT_EQ(1, run.status);
    EXPECT_NE(std::string::npos, run.err.find("Zeile 8")) << run.err;
    EXPECT_EQ(before, exported());
}

TEST_F(CliSettings, ReportsMissingFilesAndWrongUsage) {
    EXPECT_EQ(1, RunCli({"settings", "import", file("fehlt.reg")}).status);
    EXPECT_EQ(2, RunCli({"settings"}).status);
    EXPECT_EQ(2, RunCli({"settings", "drucken", file("x.reg")}).status);
}

TEST_F(CliSettings, AFileWithKeysOfAnotherProgramIsRefusedAndChangesNothing) {
    write("good.reg", wellFormed);
    ASSERT_EQ(0, RunCli({"settings", "import", file("good.reg")}).status);
    const std::string before = exported();
    write("fremd.reg", wellFormed + "\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Andere]\r\n");
    const auto run = RunCli({"settings", "import", file("fremd.reg")});
    EXPECT_EQ(1, run.status);
    EXPECT_NE(std::string::npos, run.err.find("SOFTWARE\\Andere")) << run.err;
    EXPECT_EQ(before, exported());
}
