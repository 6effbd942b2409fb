#pragma once

#include "support/tempdir.h"

#include <string>

namespace penvaro::testing {

// Data and configuration folders of a test's own (so that the user's settings and blz.asc are
// never touched), a small bank code file in the data folder, and a folder for the test's files.
class CliFolders {
public:
    CliFolders();

    std::string file(const std::string &name) const { return m_files.path(name).string(); }
    std::string dataFile(const std::string &name) const { return m_data.path(name).string(); }
    // A one-record account file (its start value) with account holder and IBAN stored, so that
    // it can pay.
    std::string payingAccount(const std::string &name);

private:
    TempDir m_data;
    TempDir m_config;
    TempDir m_files;
};

} // namespace penvaro::testing
