#include "xmlreadproblem.h"

#include "core/textencoding.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

#include <array>

namespace penvaro::platform {
namespace {

core::Error placed(qint64 line, qint64 column, const QString &what) {
    return {core::ErrorKind::Invalid,
            QStringLiteral("Zeile %1, Spalte %2: Die Datei ist kein gültiges XML (%3).")
                .arg(line)
                .arg(column)
                .arg(what)
                .toStdString()};
}

// Qt's texts for the faults a damaged or cut-off statement shows, by their start.
QString germanText(const QString &english) {
    struct Translation {
        const char *start;
        const char *german;
    };
    static constexpr std::array<Translation, 12> translations = {{
        {"Opening and ending tag mismatch", "Anfangs- und End-Tag passen nicht zusammen"},
        {"Premature end of document", "die Datei endet mitten im Dokument"},
        {"Extra content at end of document", "nach dem Ende des Dokuments folgt weiterer Text"},
        {"Invalid XML character", "unzulässiges Zeichen"},
        {"Invalid XML name", "unzulässiger Name"},
        {"Encountered incorrectly encoded content",
         "der Inhalt passt nicht zur angegebenen Zeichenkodierung"},
        {"Entity", "Verweis auf eine nicht erklärte Entität"},
        {"Attribute", "ein Attribut steht doppelt oder ist fehlerhaft"},
        {"Namespace prefix", "nicht erklärtes Namensraum-Präfix"},
        {"Unexpected", "unerwartetes Zeichen"},
        {"Expected", "unerwartetes Zeichen"},
        {"XML declaration not at start of document", "die XML-Deklaration steht nicht am Anfang"},
    }};
    for (const Translation &t : translations) {
        if (english.startsWith(QLatin1StringView(t.start)))
            return QString::fromUtf8(t.german);
    }
    return QStringLiteral("der Aufbau ist fehlerhaft");
}

// The encoding the declaration names; empty when there is none.
QString declaredEncoding(const QByteArray &document) {
    static const QRegularExpression declaration(
        QStringLiteral(R"(^(?:\xEF\xBB\xBF)?\s*<\?xml[^>]*\bencoding\s*=\s*["']([^"']*)["'])"));
    const qsizetype end = document.indexOf("?>");
    const QString head = QString::fromLatin1(document.left(end < 0 ? 200 : end + 2));
    const auto match = declaration.match(head);
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}

} // namespace

core::Error XmlReadProblem(const QXmlStreamReader &xml) {
    const QString what = xml.error() == QXmlStreamReader::PrematureEndOfDocumentError
                             ? germanText(QStringLiteral("Premature end of document"))
                             : germanText(xml.errorString());
    return placed(xml.lineNumber(), xml.columnNumber(), what);
}

std::optional<core::Error> MalformedUtf8Problem(const QByteArray &document) {
    if (document.startsWith("\xFF\xFE") || document.startsWith("\xFE\xFF"))
        return std::nullopt;
    const QString encoding = declaredEncoding(document);
    if (!encoding.isEmpty() && encoding.compare(u"UTF-8", Qt::CaseInsensitive) != 0
        && encoding.compare(u"UTF8", Qt::CaseInsensitive) != 0)
        return std::nullopt;
    const std::string_view bytes(document.constData(), static_cast<std::size_t>(document.size()));
    const std::size_t bad = core::FirstMalformedUtf8(bytes);
    if (bad == std::string_view::npos)
        return std::nullopt;
    qint64 line = 1;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < bad; ++i) {
        const bool crAlone = bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n');
        if (bytes[i] == '\n' || crAlone) {
            ++line;
            lineStart = i + 1;
        }
    }
    return core::Error{
        core::ErrorKind::Invalid,
        QStringLiteral("Zeile %1, Spalte %2: Das Byte 0x%3 ist kein gültiges UTF-8, obwohl die "
                       "Datei in UTF-8 geschrieben sein soll. Die Datei ist beschädigt oder "
                       "falsch umgewandelt; bitte laden Sie den Kontoauszug erneut von der Bank.")
            .arg(line)
            .arg(static_cast<qint64>(bad - lineStart) + 1)
            .arg(QString::number(static_cast<unsigned char>(bytes[bad]), 16).toUpper())
            .toStdString()};
}

} // namespace penvaro::platform
