#pragma once

#include "core/result.h"

#include <QByteArray>

namespace penvaro::platform {

// The XML reader checks the attributes of an element against each other, which takes time that
// grows with the square of their number: 100,000 attributes on one element take about a
// minute. A statement's element has a handful. This looks at the raw document before the
// reader does and refuses an element with more than maxAttributes attributes, naming its line.
core::Result<void> CheckXmlAttributeCounts(const QByteArray &document, int maxAttributes);

} // namespace penvaro::platform
