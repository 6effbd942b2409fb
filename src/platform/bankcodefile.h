#pragma once

#include <QString>

namespace penvaro::platform {

// The bank code file "blz.asc" to read, found as ProgramFilePath finds a shipped file: a user
// brings a newer one into the data folder with penvaro-cli blz-import. Needs a
// QCoreApplication.
QString BankCodeFilePath();

struct BankCodeFileChoice {
    QString path;
    // Why the data folder's own file was passed over; empty when it was not.
    QString refusal;
};

// BankCodeFilePath, except that an own file in the data folder that cannot be read or is
// damaged (cut short, overwritten) gives way to the shipped one: a broken own file would
// otherwise make every German IBAN an unknown bank. The refusal names the file.
BankCodeFileChoice ChooseBankCodeFile();

} // namespace penvaro::platform
