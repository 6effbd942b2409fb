#include "statementfile.h"

#include "camtreader.h"

#include "core/bankcsv.h"
#include "core/fileio.h"
#include "core/mt940parser.h"

#include <QByteArray>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace penvaro::platform {
namespace {

core::Result<QByteArray> readBytes(const QString &path) {
    const QByteArray name = QFile::encodeName(path);
    const std::string shown = path.toStdString();
    // Opening does not wait for a writer on a pipe; the check below then refuses it.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return core::ReadFailure(shown, errno);
    struct stat info {};
    core::Result<QByteArray> result = core::Error{};
    if (::fstat(fd, &info) != 0) {
        result = core::ReadFailure(shown, errno);
    } else if (S_ISDIR(info.st_mode)) {
        result = core::ReadFailure(shown, EISDIR);
    } else if (!S_ISREG(info.st_mode)) {
        result = core::Error{core::ErrorKind::Io, shown + " ist keine gewöhnliche Datei."};
    } else if (info.st_size > MaxStatementFileSize) {
        result = core::Error{core::ErrorKind::TooLarge,
                             shown + " ist größer als 50 MB und damit kein Kontoauszug."};
    } else {
        // A file that grows while it is read is cut at the limit and then refused.
        QByteArray bytes(static_cast<qsizetype>(info.st_size) + 1, Qt::Uninitialized);
        qsizetype filled = 0;
        int failure = 0;
        while (filled < bytes.size()) {
            const ssize_t n =
                ::read(fd, bytes.data() + filled, static_cast<std::size_t>(bytes.size() - filled));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                failure = errno;
            if (n <= 0)
                break;
            filled += n;
        }
        if (failure != 0)
            result = core::ReadFailure(shown, failure);
        else if (filled > info.st_size)
            result = core::Error{core::ErrorKind::Io,
                                 shown + " hat sich beim Lesen geändert. Bitte erneut versuchen."};
        else
            result = bytes.left(filled);
    }
    ::close(fd);
    return result;
}

// XML begins with "<", perhaps after a byte-order mark and blanks; UTF-16 always has its mark.
bool isXml(const QByteArray &bytes) {
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return true;
    qsizetype pos = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (pos < bytes.size() && QByteArrayView(" \t\r\n").contains(bytes[pos]))
        ++pos;
    return pos < bytes.size() && bytes[pos] == '<';
}

// A known bank layout, or a first line of separated columns in a file without MT940 fields,
// which is then refused naming its header rather than as a broken MT940 file.
bool isCsv(std::string_view text) {
    if (core::IsBankCsv(text))
        return true;
    const std::string_view first = text.substr(0, text.find_first_of("\r\n"));
    return text.find(":20:") == std::string_view::npos
           && first.find_first_of(";,\t") != std::string_view::npos;
}

} // namespace

core::Result<std::vector<core::Statement>> ReadStatementFile(const QString &path,
                                                             const QString &csvLayout) {
    auto bytes = readBytes(path);
    if (!bytes)
        return bytes.error();
    const std::string_view text(bytes->constData(), static_cast<std::size_t>(bytes->size()));
    auto statements = !csvLayout.isEmpty() ? core::ParseBankCsv(text, csvLayout.toStdString())
                      : isXml(*bytes)      ? ReadCamtStatements(*bytes)
                      : isCsv(text)        ? core::ParseBankCsv(text)
                                           : core::ParseMt940(text);
    if (!statements)
        return core::Error{statements.error().kind,
                           "Kontoauszug " + path.toStdString() + ": " + statements.error().message};
    return statements;
}

} // namespace penvaro::platform
