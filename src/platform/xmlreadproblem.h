#pragma once

#include "core/result.h"

#include <QByteArray>
#include <QString>

#include <optional>

class QXmlStreamReader;

namespace penvaro::platform {

// What the reader found wrong with a document that is no well-formed XML, in German and with
// its place; Qt's own texts are English.
core::Error XmlReadProblem(const QXmlStreamReader &xml);

// A document that declares UTF-8, or no encoding at all, and holds a byte that UTF-8 cannot
// hold, named by its true line and column. The reader itself notices such a byte only after
// decoding a whole block and then names the block's start.
std::optional<core::Error> MalformedUtf8Problem(const QByteArray &document);

} // namespace penvaro::platform
