#pragma once

#include <QString>

namespace penvaro::testing {

// What xmllint says about the file against the schema: empty when the file is valid.
QString SchemaErrors(const QString &schema, const QString &file);

} // namespace penvaro::testing
