#pragma once

#include "core/atomicfile.h"
#include "core/result.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace penvaro::platform {

// Qt's side of the program's one writer (core::AtomicFile): a file the user named gets the
// bytes whole or not at all, and never lands on the open account file, a device or a pipe.
// Failures name the file and the reason in German.
core::Result<void> WriteWholeFile(const QString &path, const QByteArray &bytes,
                                  core::WriteOptions options = {});

// A picture as PNG: a file like any other of the user, whose umask decides who reads it.
core::Result<void> WritePngFile(const QString &path, const QImage &image);

} // namespace penvaro::platform
