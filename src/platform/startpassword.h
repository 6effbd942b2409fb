#pragma once

#include "core/result.h"

#include <QString>

#include <string>

namespace penvaro::platform {

class RegistryStore;

// The start password ("Tabellenformat") is kept as a salted Argon2id hash made by libsodium
// ("$argon2id$..."), so that whoever reads the settings or an export of them does not learn it.
// Earlier versions kept it scrambled (each character c as 0x9F − c), which anybody can undo;
// such a value is replaced by its hash as soon as it is read or imported. Empty means no
// password is set.

// The stored form of a password typed in the options dialog; empty for an empty password.
core::Result<std::string> HashStartPassword(const QString &password);

// Whether the text typed into the start window is the stored password, in either stored form.
bool StartPasswordMatches(const std::string &stored, const QString &typed);

// Replaces a scrambled start password in the product key by its hash; a hash or no password
// is left as it is.
core::Result<void> ConvertStoredStartPassword(RegistryStore &store);

} // namespace penvaro::platform
