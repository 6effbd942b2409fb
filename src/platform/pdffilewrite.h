#pragma once

#include "core/result.h"

#include <QString>

#include <filesystem>

namespace penvaro::platform {

// A PDF printout is written into a temporary file beside the file the user named, which it
// replaces only once it is complete and on disk: a full disk or a failing write leaves the
// previous file as it was and no partial file behind. Anything but a regular file (a device, a
// pipe) is refused without being opened, so that printing neither blocks on a pipe nor pours
// into a device. Failures give the reason in German.
class PdfFileWrite {
public:
    static core::Result<PdfFileWrite> start(const QString &target);

    PdfFileWrite(PdfFileWrite &&other) noexcept;
    PdfFileWrite &operator=(PdfFileWrite &&other) noexcept;
    PdfFileWrite(const PdfFileWrite &) = delete;
    PdfFileWrite &operator=(const PdfFileWrite &) = delete;
    // Removes the temporary file unless it was committed.
    ~PdfFileWrite();

    // Where the printer writes.
    QString temporaryPath() const;
    // Checks that the temporary file holds a whole PDF, flushes it to disk and renames it
    // onto the target.
    core::Result<void> commit();
    // The printer reported a failure: removes the temporary file and says why it stopped.
    core::Error abandon();

private:
    PdfFileWrite(QString shownName, std::filesystem::path target, std::filesystem::path temporary)
        : m_shownName(std::move(shownName))
        , m_target(std::move(target))
        , m_temporary(std::move(temporary)) {}
    core::Error failure(const std::string &reason) const;
    void discard();

    QString m_shownName;
    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
};

// Whether the bytes are a whole PDF as a writer leaves it: the cross-reference table that the
// end names stands where it says, and "%%EOF" closes the file. A file that lost bytes anywhere
// fails one of the two.
bool IsCompletePdf(std::string_view bytes);

} // namespace penvaro::platform
