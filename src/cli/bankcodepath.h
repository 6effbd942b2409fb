#pragma once

#include <filesystem>

namespace penvaro::cli {

// The bank code file the program reads (data folder, else the one shipped beside it); a
// damaged own file is reported on standard error and passed over.
std::filesystem::path BankCodeFile();

} // namespace penvaro::cli
