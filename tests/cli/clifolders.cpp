#include "clifolders.h"

#include "clirunner.h"

#include "support/bankcodelines.h"
#include "support/records.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace penvaro::testing {

CliFolders::CliFolders() {
    ::setenv("XDG_DATA_HOME", m_data.path("").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", m_config.path("").c_str(), 1);
    const std::string banks =
        BankCodeLine("37040044", "Commerzbank", "Commerzbank Köln", "50447", "Köln", "COBADEFFXXX")
        + BankCodeLine("12030000", "Deutsche Kreditbank Berlin", "DKB Berlin", "10919", "Berlin");
    std::filesystem::create_directories(m_data.path("penvaro"));
    WriteBytes(m_data.path("penvaro/blz.asc"), {banks.begin(), banks.end()});
}

std::string CliFolders::payingAccount(const std::string &name) {
    const std::string path = file(name);
    WriteBytes(path, FileBytes({StartValue(0)}));
    const std::string reg = "Windows Registry Editor Version 5.00\r\n\r\n"
                            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarvel SoftLabs\\Penvaro98\\"
                            + path
                            + "]\r\n\"Kontoinhaber\"=\"SV Grün-Weiß e.V.\"\r\n"
                              "\"IBAN\"=\"DE89370400440532013000\"\r\n";
    const auto regPath = m_files.path("konto.reg");
    WriteBytes(regPath, {reg.begin(), reg.end()});
    const auto run = RunCli({"settings", "import", regPath.string()});
    EXPECT_EQ(0, run.status) << run.err;
    std::filesystem::remove(regPath);
    return path;
}

} // namespace penvaro::testing
