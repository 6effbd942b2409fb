#pragma once

#include "core/directdebit.h"

#include <QByteArray>
#include <QDateTime>

#include <vector>

namespace penvaro::platform {

// A customer-to-bank direct debit file (pain.008.001.08, SEPA core direct debit, euro, in the
// form German banks take) collecting the debits on the due date: one payment block per
// sequence type, FRST before RCUR before OOFF, each with the creditor and its identifier. The
// message is named after the moment it was created. The debits and the creditor come
// checked (CheckMember, CheckSepaCreditor, DueDirectDebits).
QByteArray SepaDirectDebitFile(const core::SepaCreditor &creditor,
                               const std::vector<core::DirectDebit> &debits, double dueDate,
                               const QDateTime &created);

} // namespace penvaro::platform
