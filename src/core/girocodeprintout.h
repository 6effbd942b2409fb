#pragma once

#include "canvas.h"
#include "result.h"

#include <string>
#include <vector>

namespace penvaro::core {

// The modules of a QR code, one text per row, '1' for a dark module.
using QrModules = std::vector<std::string>;

// Prints the GiroCode on plain paper, each module a square of moduleSize tenths of a
// millimetre with the quiet zone of four modules, and beside it the lines that tell what it
// pays. Each run of dark modules in a row is one line as thick as a module.
Result<void> PrintGiroCode(Canvas &canvas, const QrModules &modules,
                           const std::vector<std::string> &lines, int moduleSize);

} // namespace penvaro::core
