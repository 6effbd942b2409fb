#pragma once

#include "core/girocodeprintout.h"
#include "core/result.h"

#include <QImage>

#include <string>

namespace penvaro::platform {

// The modules of the QR code of a GiroCode payload: error correction M, the payload's bytes as
// they are (UTF-8), the smallest version that holds them.
core::Result<core::QrModules> GiroCodeModules(const std::string &payload);

// The code as a black and white picture: each module a square of modulePixels, with the quiet
// zone of four modules around it that a scanner needs.
QImage GiroCodeImage(const core::QrModules &modules, int modulePixels);

} // namespace penvaro::platform
