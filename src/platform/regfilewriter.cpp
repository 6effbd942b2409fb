#include "regfile.h"

#include "registrystore.h"
#include "startpassword.h"

#include "core/fileio.h"

#include <QFile>
#include <QStringEncoder>

#include <cstdint>
#include <span>

namespace penvaro::platform {

namespace {

constexpr qsizetype LineWidth = 80;

QString Escaped(const QString &text) {
    QString escaped = text;
    escaped.replace(u'\\', QStringLiteral("\\\\"));
    escaped.replace(u'"', QStringLiteral("\\\""));
    return escaped;
}

// Bytes as the registry editor lists them: two hex digits each, comma-separated, lines wrapped
// before the width with a trailing backslash and continued indented by two blanks.
QString HexList(const QString &prefix, const QByteArray &bytes) {
    QString text;
    QString line = prefix;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        QString piece = QStringLiteral("%1").arg(static_cast<uchar>(bytes[i]), 2, 16, QChar(u'0'));
        if (i + 1 < bytes.size())
            piece += u',';
        if (line.size() + piece.size() > LineWidth - 2 && line.size() > 2) {
            text += line + QStringLiteral("\\\r\n");
            line = QStringLiteral("  ");
        }
        line += piece;
    }
    return text + line;
}

// Line breaks and NUL cannot stand inside quotes, so such a text is written as the editor's
// hex form of a string: UTF-16LE with its terminating NUL.
bool NeedsHexForm(const QString &text) {
    return text.contains(u'\r') || text.contains(u'\n') || text.contains(QChar(u'\0'));
}

QString ValueLine(const NamedValue &value) {
    const QString name =
        value.name.isEmpty() ? QStringLiteral("@") : u'"' + Escaped(value.name) + u'"';
    if (const auto *text = std::get_if<QString>(&value.value)) {
        if (!NeedsHexForm(*text))
            return name + QStringLiteral("=\"") + Escaped(*text) + u'"';
        QByteArray utf16 = QStringEncoder(QStringEncoder::Utf16LE).encode(*text);
        utf16.append(2, '\0');
        return HexList(name + QStringLiteral("=hex(1):"), utf16);
    }
    if (const auto *number = std::get_if<std::int32_t>(&value.value))
        return name
               + QStringLiteral("=dword:%1")
                     .arg(static_cast<std::uint32_t>(*number), 8, 16, QChar(u'0'));
    return HexList(name + QStringLiteral("=hex:"), std::get<QByteArray>(value.value));
}

} // namespace

QByteArray FormatRegistryFile(const std::vector<KeyContents> &keys) {
    QString text = QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n");
    for (const KeyContents &key : keys) {
        text += QStringLiteral("[HKEY_LOCAL_MACHINE");
        if (!key.path.isEmpty())
            text += u'\\' + key.path;
        text += QStringLiteral("]\r\n");
        for (const NamedValue &value : key.values)
            text += ValueLine(value) + QStringLiteral("\r\n");
        text += QStringLiteral("\r\n");
    }
    QStringEncoder encoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    return encoder.encode(text);
}

core::Result<void> ExportRegistryFile(RegistryStore &store, const QString &keyPath,
                                      const QString &filePath) {
    // An export never carries the start password in a form that can be undone.
    if (auto converted = ConvertStoredStartPassword(store); !converted)
        return converted;
    // A store never used yet still has its settings, all at their defaults: the export is the
    // empty key, which a restore reads back as such.
    const auto exists = store.keyExists(keyPath);
    if (!exists)
        return exists.error();
    auto tree = *exists ? store.readTree(keyPath)
                        : core::Result<std::vector<KeyContents>>(
                            std::vector<KeyContents>{KeyContents{keyPath, {}}});
    if (!tree)
        return tree.error();
    // The export holds account numbers, bank codes and the start password: a new file is
    // readable by its owner only.
    const QByteArray bytes = FormatRegistryFile(*tree);
    return core::WriteFileAtomically(
        QFile::encodeName(filePath).toStdString(),
        std::span(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                  static_cast<std::size_t>(bytes.size())));
}

} // namespace penvaro::platform
