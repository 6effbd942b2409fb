#pragma once

#include "core/result.h"
#include "core/statementimport.h"

#include <QString>

namespace penvaro::platform {

class RegistryStore;

// What the entry dialog remembers of a typed booking, remembered for the bookings an import
// brought: the date of each statement under its year and number in the account file's key
// (statement 7 of 2026: the binary value "20267" holding the day count), and the purpose,
// party and booking type of each added or matched booking in the shared suggestion lists.
// The value names and list keys are the entry dialog's own. Besides, the IBAN and BIC of each
// added or matched booking's party in the recipient memory under the party's name as the bank
// wrote it, cut to the 70 characters a SEPA transfer carries. Fails only when the account's key
// cannot be opened or the dates cannot be written; a text that cannot be a list entry or recipient
// name is skipped, as the entry dialog skips it.
core::Result<void> RememberImport(RegistryStore &store, const QString &accountFile,
                                  const core::ImportPlan &plan);

} // namespace penvaro::platform
