#include "filewrite.h"

#include <QBuffer>
#include <QFile>

namespace penvaro::platform {

core::Result<void> WriteWholeFile(const QString &path, const QByteArray &bytes,
                                  core::WriteOptions options) {
    auto file = core::AtomicFile::begin(QFile::encodeName(path).toStdString(), options);
    if (!file)
        return file.error();
    if (auto written = file->write(std::span(reinterpret_cast<const std::uint8_t *>(bytes.data()),
                                             static_cast<std::size_t>(bytes.size())));
        !written)
        return written;
    return file->commit();
}

core::Result<void> WritePngFile(const QString &path, const QImage &image) {
    // Encoded in memory first: QImage writing straight into a file reports no short write.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return core::Error{core::ErrorKind::Io,
                           "Das Bild für " + path.toStdString() + " ließ sich nicht erzeugen."};
    core::WriteOptions options;
    options.newFileMode = 0666;
    return WriteWholeFile(path, png, options);
}

} // namespace penvaro::platform
