#include "accountwrite.h"

#include "arguments.h"

#include "core/accountfile.h"
#include "core/fileio.h"

#include <iostream>

namespace penvaro::cli {

// The program window asks about bytes after the last whole booking; a command cannot, so it
// leaves the file alone.
bool MayWriteLocked(const std::string &accountFile, bool dryRun) {
    if (!dryRun)
        core::RemoveLeftTemporaryFiles(accountFile);
    if (auto allowed = core::CheckMayChange(accountFile); !allowed) {
        PrintError(allowed.error().message);
        return false;
    }
    if (const std::size_t partial = core::PartialRecordBytes(accountFile)) {
        PrintError(
            accountFile + " endet mit " + std::to_string(partial)
            + " Bytes, die keine ganze Buchung ergeben; vermutlich wurde ein Schreiben "
              "unterbrochen. Das Schreiben würde sie entfernen; deshalb wird nichts geschrieben. "
              "Bitte die Datei im Programm öffnen, das nachfragt.");
        return false;
    }
    return true;
}

} // namespace penvaro::cli
