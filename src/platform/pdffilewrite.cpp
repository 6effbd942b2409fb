#include "pdffilewrite.h"

#include "core/fileio.h"

#include <QFile>

#include <cerrno>
#include <charconv>
#include <sys/resource.h>
#include <sys/statvfs.h>

namespace penvaro::platform {
namespace {

// Why a write that the printer did not report stopped short.
std::string incompleteReason(const std::filesystem::path &written) {
    struct rlimit limit {};
    std::error_code ec;
    const auto size = std::filesystem::file_size(written, ec);
    if (!ec && ::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY
        && size >= limit.rlim_cur)
        return core::DescribeSystemError(EFBIG);
    struct statvfs space {};
    if (::statvfs(written.parent_path().c_str(), &space) == 0 && space.f_bavail == 0)
        return core::DescribeSystemError(ENOSPC);
    return "Die Ausgabe wurde nicht vollständig geschrieben.";
}

} // namespace

core::Result<PdfFileWrite> PdfFileWrite::start(const QString &target) {
    const std::filesystem::path named = QFile::encodeName(target).toStdString();
    auto refused = [&](const std::string &reason) {
        return core::Error{core::ErrorKind::Io, "Die PDF-Datei „" + target.toStdString()
                                                    + "“ kann nicht geschrieben werden: " + reason};
    };
    if (const auto reason = core::WriteRefusal(named))
        return refused(*reason);
    if (!core::CheckMayChange(named))
        return refused("Die Datei ist schreibgeschützt oder gehört einem anderen Benutzer.");
    // The printout is a document like any other of the user: the umask decides who reads it.
    core::WriteOptions options;
    options.newFileMode = 0666;
    auto file = core::AtomicFile::begin(named, options);
    if (!file) {
        const std::filesystem::path folder = std::filesystem::absolute(named).parent_path();
        std::error_code ec;
        if (!std::filesystem::exists(folder, ec))
            return refused("Der Ordner „" + folder.string() + "“ ist nicht vorhanden.");
        return refused(file.error().message);
    }
    return PdfFileWrite(target, std::move(*file));
}

QString PdfFileWrite::temporaryPath() const {
    return QFile::decodeName(m_file.temporaryPath().c_str());
}

core::Error PdfFileWrite::failure(const std::string &reason) const {
    return {core::ErrorKind::Io, "Die PDF-Datei „" + m_shownName.toStdString()
                                     + "“ konnte nicht geschrieben werden: " + reason
                                     + " Eine vorhandene Datei dieses Namens ist unverändert."};
}

core::Result<void> PdfFileWrite::commit() {
    const auto bytes = core::ReadWholeFile(m_file.temporaryPath(), std::size_t{1} << 31);
    if (!bytes) {
        const core::Error error = failure(bytes.error().message);
        m_file.discard();
        return error;
    }
    if (!IsCompletePdf(*bytes))
        return abandon();
    if (auto committed = m_file.commit(); !committed)
        return failure(committed.error().message);
    return {};
}

core::Error PdfFileWrite::abandon() {
    const core::Error error = failure(incompleteReason(m_file.temporaryPath()));
    m_file.discard();
    return error;
}

bool IsCompletePdf(std::string_view bytes) {
    // The end is "startxref", the table's offset and "%%EOF", each on a line of its own.
    while (!bytes.empty() && (bytes.back() == '\n' || bytes.back() == '\r' || bytes.back() == ' '))
        bytes.remove_suffix(1);
    if (!bytes.starts_with("%PDF-") || !bytes.ends_with("%%EOF"))
        return false;
    const std::size_t keyword = bytes.rfind("startxref");
    if (keyword == std::string_view::npos)
        return false;
    std::size_t digits = keyword + 9;
    while (digits < bytes.size() && (bytes[digits] == '\n' || bytes[digits] == '\r'))
        ++digits;
    std::size_t offset = 0;
    const auto parsed = std::from_chars(bytes.data() + digits, bytes.data() + bytes.size(), offset);
    if (parsed.ec != std::errc() || parsed.ptr == bytes.data() + digits)
        return false;
    return offset < keyword && bytes.substr(offset).starts_with("xref");
}

} // namespace penvaro::platform
