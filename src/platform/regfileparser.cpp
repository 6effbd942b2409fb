#include "regfile.h"

#include "registrykeypath.h"
#include "registrystore.h"
#include "startpassword.h"

#include "core/fileio.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace penvaro::platform {

namespace {

const QString Header = QStringLiteral("Windows Registry Editor Version 5.00");
const QString Root = QStringLiteral("HKEY_LOCAL_MACHINE");

core::Error LineError(qsizetype line, const QString &message) {
    return core::Error{core::ErrorKind::Invalid,
                       QStringLiteral("Zeile %1: %2").arg(line).arg(message).toStdString()};
}

core::Result<QString> Decode(const QByteArray &bytes) {
    if (bytes.startsWith("\xFF\xFE")) {
        // An odd byte at the end is half a character, which the decoder would drop silently.
        if (bytes.size() % 2 != 0)
            return LineError(1, QStringLiteral("Die Datei ist UTF-16LE, endet aber mitten in "
                                               "einem Zeichen."));
        QStringDecoder decoder(QStringDecoder::Utf16LE);
        QString text = decoder.decode(bytes.mid(2));
        if (!decoder.hasError())
            return text;
    } else {
        QStringDecoder decoder(QStringDecoder::Utf8); // skips a byte-order mark
        QString text = decoder.decode(bytes);
        if (!decoder.hasError())
            return text;
    }
    return LineError(1, QStringLiteral("Die Datei ist weder UTF-16LE mit Byte-Order-Mark noch "
                                       "UTF-8."));
}

// Reads a quoted text starting at pos, with the editor's escapes \\ and \". Leaves pos behind
// the closing quote.
std::optional<QString> Unquote(const QString &line, qsizetype &pos) {
    if (pos >= line.size() || line[pos] != u'"')
        return std::nullopt;
    QString text;
    for (++pos; pos < line.size(); ++pos) {
        const QChar c = line[pos];
        if (c == u'"') {
            ++pos;
            return text;
        }
        if (c == u'\\') {
            if (pos + 1 >= line.size() || (line[pos + 1] != u'\\' && line[pos + 1] != u'"'))
                return std::nullopt;
            ++pos;
        }
        text += line[pos];
    }
    return std::nullopt;
}

bool IsHexDigits(const QString &text) {
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    });
}

std::optional<QByteArray> HexBytes(const QString &list) {
    QByteArray bytes;
    const QString trimmed = list.trimmed();
    if (trimmed.isEmpty())
        return bytes;
    for (const QString &piece : trimmed.split(u',')) {
        const QString digits = piece.trimmed();
        if (digits.isEmpty() || digits.size() > 2 || !IsHexDigits(digits))
            return std::nullopt;
        bytes.append(static_cast<char>(digits.toUInt(nullptr, 16)));
    }
    return bytes;
}

class Parser {
public:
    explicit Parser(QStringList lines)
        : m_lines(std::move(lines)) {}

    core::Result<std::vector<KeyContents>> run() {
        if (m_lines.isEmpty() || m_lines.front().trimmed() != Header)
            return LineError(1, QStringLiteral("Die Datei beginnt nicht mit „%1“.").arg(Header));
        for (m_index = 1; m_index < m_lines.size(); ++m_index) {
            const QString line = m_lines[m_index].trimmed();
            if (line.isEmpty() || line.startsWith(u';'))
                continue;
            auto parsed = line.startsWith(u'[') ? section(line) : value(line);
            if (!parsed)
                return parsed.error();
        }
        return std::move(m_keys);
    }

private:
    qsizetype lineNumber() const { return m_index + 1; }
    core::Error error(const QString &message) const { return LineError(lineNumber(), message); }

    core::Result<void> section(const QString &line) {
        if (!line.endsWith(u']'))
            return error(QStringLiteral("Die Schlüsselzeile endet nicht mit „]“."));
        const QString name = line.mid(1, line.size() - 2);
        if (name.startsWith(u'-'))
            return error(QStringLiteral("Das Löschen von Schlüsseln wird nicht unterstützt."));
        QString path;
        if (name.compare(Root, Qt::CaseInsensitive) != 0) {
            if (!name.startsWith(Root + u'\\', Qt::CaseInsensitive))
                return error(
                    QStringLiteral("Nur Schlüssel unter %1 können eingelesen werden.").arg(Root));
            path = name.mid(Root.size() + 1);
        }
        if (auto names = SplitKeyPath(path); !names)
            return error(QString::fromStdString(names.error().message));
        m_keys.push_back({path, {}});
        return {};
    }

    core::Result<void> value(const QString &line) {
        if (m_keys.empty())
            return error(QStringLiteral("Ein Wert steht vor dem ersten Schlüssel."));
        qsizetype pos = 0;
        QString name;
        if (line.startsWith(u'@')) {
            pos = 1;
        } else {
            auto quoted = Unquote(line, pos);
            if (!quoted)
                return error(QStringLiteral("Der Name des Werts ist nicht richtig in "
                                            "Anführungszeichen gesetzt."));
            name = *quoted;
        }
        if (auto checked = CheckValueName(name); !checked)
            return error(QString::fromStdString(checked.error().message));
        if (pos >= line.size() || line[pos] != u'=')
            return error(QStringLiteral("Nach dem Namen des Werts fehlt „=“."));
        auto data = valueData(line.mid(pos + 1).trimmed());
        if (!data)
            return data.error();
        m_keys.back().values.push_back({name, std::move(*data)});
        return {};
    }

    core::Result<RegistryValue> valueData(const QString &data) {
        if (data.startsWith(u'"')) {
            qsizetype pos = 0;
            auto text = Unquote(data, pos);
            if (!text || pos != data.size())
                return error(QStringLiteral("Der Text des Werts ist nicht richtig in "
                                            "Anführungszeichen gesetzt."));
            return RegistryValue{*text};
        }
        if (data.startsWith(QStringLiteral("dword:"), Qt::CaseInsensitive)) {
            const QString digits = data.mid(6);
            if (digits.size() != 8 || !IsHexDigits(digits))
                return error(
                    QStringLiteral("Eine Zahl (dword) braucht genau 8 Hexadezimalziffern."));
            return RegistryValue{static_cast<std::int32_t>(digits.toUInt(nullptr, 16))};
        }
        if (data.startsWith(QStringLiteral("hex:"), Qt::CaseInsensitive)) {
            auto bytes = continuedHex(data.mid(4));
            if (!bytes)
                return bytes.error();
            return RegistryValue{*bytes};
        }
        if (data.startsWith(QStringLiteral("hex(1):"), Qt::CaseInsensitive)) {
            auto bytes = continuedHex(data.mid(7));
            if (!bytes)
                return bytes.error();
            QStringDecoder decoder(QStringDecoder::Utf16LE);
            QString text = decoder.decode(*bytes);
            if (bytes->size() % 2 != 0 || decoder.hasError())
                return error(QStringLiteral("Der Text in hex(1) ist kein gültiges UTF-16."));
            while (text.endsWith(QChar(u'\0')))
                text.chop(1);
            return RegistryValue{text};
        }
        if (data == u"-")
            return error(QStringLiteral("Das Löschen von Werten wird nicht unterstützt."));
        return error(QStringLiteral("Unbekannter Werttyp „%1“.").arg(data.left(20)));
    }

    // A hex list may go on over lines that end in a backslash.
    core::Result<QByteArray> continuedHex(QString list) {
        const qsizetype first = m_index;
        while (list.endsWith(u'\\')) {
            list.chop(1);
            if (m_index + 1 >= m_lines.size())
                return error(QStringLiteral("Die Datei endet mitten in einem Wert."));
            list += m_lines[++m_index].trimmed();
        }
        auto bytes = HexBytes(list);
        if (!bytes)
            return LineError(first + 1, QStringLiteral("Die Bytes des Werts sind keine durch "
                                                       "Kommas getrennten Hexadezimalzahlen."));
        return *bytes;
    }

    QStringList m_lines;
    qsizetype m_index = 0;
    std::vector<KeyContents> m_keys;
};

} // namespace

core::Result<std::vector<KeyContents>> ParseRegistryFile(const QByteArray &bytes) {
    auto text = Decode(bytes);
    if (!text)
        return text.error();
    QStringList lines = text->split(u'\n');
    for (QString &line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return Parser(std::move(lines)).run();
}

core::Result<void> ImportRegistryFile(RegistryStore &store, const QString &filePath,
                                      const QString &keyPath) {
    const QString shownName = QDir::toNativeSeparators(filePath);
    const auto refused = [&](const QString &why) {
        return core::Error{core::ErrorKind::Invalid,
                           QStringLiteral("Die Datei „%1“ wurde nicht eingelesen. %2")
                               .arg(shownName, why)
                               .toStdString()};
    };
    // Refuses a device or a pipe at once, and a file far larger than any export of settings.
    const auto bytes =
        core::ReadWholeFile(QFile::encodeName(filePath).toStdString(), MaxRegistryFileBytes);
    if (!bytes)
        return bytes.error();
    auto keys = ParseRegistryFile(QByteArray::fromStdString(*bytes));
    if (!keys)
        return refused(QString::fromStdString(keys.error().message));
    const QString shownKey = Root + u'\\' + keyPath;
    if (keys->empty())
        return refused(QStringLiteral("Sie enthält keinen Schlüssel unter „%1“.").arg(shownKey));
    for (const KeyContents &key : *keys) {
        if (key.path.compare(keyPath, Qt::CaseInsensitive) != 0
            && !key.path.startsWith(keyPath + u'\\', Qt::CaseInsensitive))
            return refused(QStringLiteral("Der Schlüssel „%1“ liegt nicht unter „%2“.")
                               .arg(Root + u'\\' + key.path, shownKey));
    }
    if (auto merged = store.merge(*keys); !merged)
        return merged;
    // The file is in; where the conversion fails, the next reading of the settings tries again.
    (void)ConvertStoredStartPassword(store);
    return {};
}

} // namespace penvaro::platform
