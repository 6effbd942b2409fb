#pragma once

#include "core/atomicfile.h"
#include "core/result.h"

#include <QString>

#include <filesystem>

namespace penvaro::platform {

// A PDF printout goes through the program's one writer (core::AtomicFile), which the printer
// fills by the temporary file's name; the target is replaced only once the file is a complete
// PDF and on disk. Refused targets (a device, a pipe, the open account file) are not opened,
// so that printing neither blocks on a pipe nor pours into a device. Failures give the reason
// in German.
class PdfFileWrite {
public:
    static core::Result<PdfFileWrite> start(const QString &target);

    // Dropped uncommitted, it removes its temporary file.

    // Where the printer writes.
    QString temporaryPath() const;
    // Checks that the temporary file holds a whole PDF, flushes it to disk and renames it
    // onto the target.
    core::Result<void> commit();
    // The printer reported a failure: removes the temporary file and says why it stopped.
    core::Error abandon();

private:
    PdfFileWrite(QString shownName, core::AtomicFile file)
        : m_shownName(std::move(shownName))
        , m_file(std::move(file)) {}
    core::Error failure(const std::string &reason) const;

    QString m_shownName;
    core::AtomicFile m_file;
};

// Whether the bytes are a whole PDF as a writer leaves it: the cross-reference table that the
// end names stands where it says, and "%%EOF" closes the file. A file that lost bytes anywhere
// fails one of the two.
bool IsCompletePdf(std::string_view bytes);

} // namespace penvaro::platform
