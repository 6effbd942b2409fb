#pragma once

#include "core/result.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <initializer_list>

namespace penvaro::platform {
class RegistryStore;
} // namespace penvaro::platform

namespace penvaro::payments {

inline constexpr std::int32_t ErrorRecallPayee = 26581;
inline constexpr std::int32_t ErrorRecallRecipient = 26586;
inline constexpr std::int32_t ErrorListRecipients = 26588;
inline constexpr std::int32_t ErrorListPayees = 26589;

// The recipients of printed transfers ("Ueberw") and the payees of crossed cheques ("Scheck"),
// one subkey per name below the product key, shared by all account files.
QString TransferRecipientsKey();
QString ChequePayeesKey();

// The names remembered under the key; an error when the key can neither be opened nor made.
core::Result<QStringList> RememberedNames(platform::RegistryStore &store, const QString &key);

// The values kept for the name, in the order asked; a name never remembered, or a value it
// lacks, gives empty texts. An empty name is the key itself.
core::Result<QStringList> RecallRemembered(platform::RegistryStore &store, const QString &key,
                                           const QString &name,
                                           std::initializer_list<const char16_t *> valueNames);

} // namespace penvaro::payments
