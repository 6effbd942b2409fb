#include "pdffilewrite.h"

#include "core/fileio.h"

#include <QFile>

#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <utility>

namespace penvaro::platform {
namespace {

// Created with the permissions a new file of the user gets (the umask applies), unlike a
// temporary file of mkstemp, which only its owner could read.
int createBeside(const std::filesystem::path &target, std::filesystem::path &temporary) {
    static constexpr char letters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<std::size_t> pick(0, sizeof letters - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string suffix(6, ' ');
        for (char &c : suffix)
            c = letters[pick(random)];
        temporary = target.parent_path() / ("." + target.filename().string() + "." + suffix);
        const int fd =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

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

void syncFolder(const std::filesystem::path &folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

core::Result<PdfFileWrite> PdfFileWrite::start(const QString &target) {
    const std::filesystem::path named = QFile::encodeName(target).toStdString();
    auto refused = [&](const std::string &reason) {
        return core::Error{core::ErrorKind::Io, "Die PDF-Datei „" + target.toStdString()
                                                    + "“ kann nicht geschrieben werden: " + reason};
    };
    // A symbolic link stays and the file it leads to is replaced.
    std::error_code ec;
    std::filesystem::path path = std::filesystem::absolute(named, ec);
    if (!ec)
        path = std::filesystem::weakly_canonical(path, ec);
    if (ec)
        return refused(core::DescribeSystemError(ec.value()));
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode))
            return refused(core::DescribeSystemError(EISDIR));
        if (!S_ISREG(info.st_mode))
            return refused("Das ist keine gewöhnliche Datei, sondern ein Gerät, eine Pipe oder "
                           "ein Socket.");
        if (!core::CheckMayChange(path))
            return refused("Die Datei ist schreibgeschützt oder gehört einem anderen Benutzer.");
    }
    std::filesystem::path temporary;
    const int fd = createBeside(path, temporary);
    if (fd < 0) {
        const int failure = errno;
        if (failure == ENOENT)
            return refused("Der Ordner „" + path.parent_path().string() + "“ ist nicht vorhanden.");
        return refused(core::DescribeSystemError(failure));
    }
    // A replaced file keeps its permissions.
    if (::stat(path.c_str(), &info) == 0)
        ::fchmod(fd, info.st_mode & 07777);
    ::close(fd);
    return PdfFileWrite(target, path, temporary);
}

PdfFileWrite::PdfFileWrite(PdfFileWrite &&other) noexcept
    : m_shownName(std::move(other.m_shownName))
    , m_target(std::move(other.m_target))
    , m_temporary(std::exchange(other.m_temporary, {})) {}

PdfFileWrite &PdfFileWrite::operator=(PdfFileWrite &&other) noexcept {
    if (this != &other) {
        discard();
        m_shownName = std::move(other.m_shownName);
        m_target = std::move(other.m_target);
        m_temporary = std::exchange(other.m_temporary, {});
    }
    return *this;
}

PdfFileWrite::~PdfFileWrite() {
    discard();
}

void PdfFileWrite::discard() {
    if (!m_temporary.empty())
        ::unlink(m_temporary.c_str());
    m_temporary.clear();
}

QString PdfFileWrite::temporaryPath() const {
    return QFile::decodeName(m_temporary.c_str());
}

core::Error PdfFileWrite::failure(const std::string &reason) const {
    return {core::ErrorKind::Io, "Die PDF-Datei „" + m_shownName.toStdString()
                                     + "“ konnte nicht geschrieben werden: " + reason
                                     + " Eine vorhandene Datei dieses Namens ist unverändert."};
}

core::Result<void> PdfFileWrite::commit() {
    const auto bytes = core::ReadWholeFile(m_temporary, std::size_t{1} << 31);
    if (!bytes) {
        const core::Error error = failure(bytes.error().message);
        discard();
        return error;
    }
    if (!IsCompletePdf(*bytes))
        return abandon();
    const int fd = ::open(m_temporary.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || ::fsync(fd) != 0) {
        const core::Error error = failure(core::DescribeSystemError(errno));
        if (fd >= 0)
            ::close(fd);
        discard();
        return error;
    }
    ::close(fd);
    if (::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        const core::Error error = failure(core::DescribeSystemError(errno));
        discard();
        return error;
    }
    m_temporary.clear();
    syncFolder(m_target.parent_path());
    return {};
}

core::Error PdfFileWrite::abandon() {
    const core::Error error = failure(incompleteReason(m_temporary));
    discard();
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
