#pragma once

#include "core/result.h"

#include <QString>
#include <QStringList>

namespace penvaro::manual {

// Makes the manual as an A4 PDF: a title page, the table of contents with the page of every
// chapter and section, then the chapters (Markdown, each beginning on a new page), every page
// numbered. Pictures are PNG files named in the Markdown relative to the picture folder; a
// missing one is an error, so that the manual never shows a hole where a window belongs.
core::Result<void> WriteManual(const QString &pdfFile, const QString &pictureFolder,
                               const QStringList &chapterFiles);

} // namespace penvaro::manual
