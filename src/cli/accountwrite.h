#pragma once

#include <string>

namespace penvaro::cli {

// Whether a command that holds the account file's lock may write it: the user may change it,
// and it holds only whole bookings (bytes of an interrupted write would be lost). Once the lock
// is taken, temporary copies beside the file are left over and removed, unless this is only a
// trial run that changes nothing. A refusal has been printed.
bool MayWriteLocked(const std::string &accountFile, bool dryRun = false);

} // namespace penvaro::cli
