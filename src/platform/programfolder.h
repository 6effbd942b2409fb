#pragma once

#include <QString>

namespace penvaro::platform {

// The folder of the program's own files (account register, bank code file, manual), below the
// user's data folder, with a trailing slash so that a file name can be appended directly.
// Created when missing.
QString ProgramFolder();

} // namespace penvaro::platform
