#pragma once

#include "core/sepatransfer.h"

#include <QByteArray>
#include <QDateTime>

#include <string>
#include <vector>

namespace penvaro::platform {

// A customer-to-bank credit transfer file (pain.001.001.09, SEPA service level, euro) holding
// the transfers in one payment block per execution date, earliest first; a transfer without
// an execution date is due today. The message is named after the moment it was created.
QByteArray SepaCreditTransferFile(const core::SepaDebtor &debtor,
                                  const std::vector<core::SepaTransfer> &transfers,
                                  const QDateTime &created, double today);

} // namespace penvaro::platform
