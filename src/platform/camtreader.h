#pragma once

#include "core/result.h"
#include "core/statement.h"

#include <QByteArray>

#include <vector>

namespace penvaro::platform {

// Reads the statements of a CAMT.053 document (versions 001.02 to 001.08) in the encoding its
// XML declaration names. Only booked entries (status BOOK) are kept; an entry that collects
// several payments becomes one entry per payment where their amounts allow it
// (SplitCollectiveEntry). An account, balance or booked entry in another currency than euro
// refuses the document. A document with a DTD is refused, so that no entity, external or
// expanding, is ever resolved. Errors are German and name the line and the element.
core::Result<std::vector<core::Statement>> ReadCamtStatements(const QByteArray &document);

} // namespace penvaro::platform
