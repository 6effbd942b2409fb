#pragma once

#include "result.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace penvaro::core {

// The Deutsche Bundesbank publishes its bank codes as fixed-column lines in ISO-8859-1: code
// 1-8, feature 9, name 10-67, postal code 68-72, place 73-107, short name 108-134, BIC 140-150,
// more behind. These turn them, in file order, into lines of the program's bank code file
// "blz.asc" (code, name, short name, postal code, place cut from 35 to 29 characters, and the
// BIC when the line has one; Windows-1252, CRLF).

// The converted text, or an error naming the first line that is not a bank code line; a text
// without any bank code line is refused too. Lines end in CR LF, LF or CR.
Result<std::string> ConvertBundesbankText(std::string_view latin1Text);

// Reads the Bundesbank file and writes the converted one in one atomic step; a refused input
// leaves the target as it was.
Result<void> ImportBundesbankFile(const std::filesystem::path &bundesbankFile,
                                  const std::filesystem::path &target);

} // namespace penvaro::core
