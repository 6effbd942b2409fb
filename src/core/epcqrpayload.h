#pragma once

#include "result.h"

#include <cstddef>
#include <string>

namespace penvaro::core {

struct SepaTransfer;

// The most a GiroCode may carry.
inline constexpr std::size_t EpcQrMaximumBytes = 331;

// The text of the GiroCode (EPC QR code, version 002, UTF-8, SEPA credit transfer) for a
// checked transfer: its lines separated by LF, empty trailing lines left out. Fails when the
// texts together pass the code's byte limit.
Result<std::string> EpcQrPayload(const SepaTransfer &transfer);

} // namespace penvaro::core
