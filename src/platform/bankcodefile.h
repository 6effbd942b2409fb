#pragma once

#include <QString>

namespace penvaro::platform {

// The bank code file "blz.asc" to read, found as ProgramFilePath finds a shipped file: a user
// brings a newer one into the data folder with penvaro-cli blz-import. Needs a
// QCoreApplication.
QString BankCodeFilePath();

} // namespace penvaro::platform
