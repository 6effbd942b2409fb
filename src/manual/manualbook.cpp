#include "manualbook.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextOption>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <vector>

namespace penvaro::manual {
namespace {

const QString Title = QStringLiteral("Penvaro 2011 - Handbuch");

core::Error failure(const QString &text) {
    return core::Error{core::ErrorKind::Io, text.toStdString()};
}

struct Heading {
    int level;
    QString text;
    int page; // 0-based within the chapters
};

// The chapters as one Markdown text: each file begins with its chapter's heading.
core::Result<QString> readChapters(const QStringList &files) {
    QString markdown;
    for (const QString &name : files) {
        QFile file(name);
        if (!file.open(QIODevice::ReadOnly))
            return failure(QStringLiteral("%1: %2").arg(name, file.errorString()));
        markdown += QString::fromUtf8(file.readAll()) + QStringLiteral("\n\n");
    }
    return markdown;
}

// Pictures are drawn at the size the window has on a screen of 96 dpi, never wider than the
// text. Qt measures them in pixels of such a screen whatever the device it lays out for.
core::Result<void> placePictures(QTextDocument &doc, const QString &folder, double textWidth) {
    struct Placed {
        int position;
        int length;
        QTextImageFormat format;
    };
    std::vector<Placed> pictures;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (const QTextImageFormat image = it.fragment().charFormat().toImageFormat();
                image.isValid())
                pictures.push_back({it.fragment().position(), it.fragment().length(), image});
    for (Placed &placed : pictures) {
        const QString path = QDir(folder).filePath(placed.format.name());
        const QImage picture(path);
        if (picture.isNull())
            return failure(QStringLiteral("Bild fehlt oder ist unlesbar: %1").arg(path));
        // A window drawn at a higher scale says so in its resolution.
        const double scale = std::max(1.0, std::round(picture.dotsPerMeterX() / (96 / 0.0254)));
        double width = picture.width() / scale;
        double height = picture.height() / scale;
        if (width > textWidth) {
            height *= textWidth / width;
            width = textWidth;
        }
        doc.addResource(QTextDocument::ImageResource, QUrl(placed.format.name()), picture);
        placed.format.setWidth(width);
        placed.format.setHeight(height);
        QTextCursor cursor(&doc);
        cursor.setPosition(placed.position);
        cursor.setPosition(placed.position + placed.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(placed.format);
    }
    return {};
}

// Chapters begin on a new page; tables get ruled cells the eye can follow across a page;
// output examples fit the page.
std::vector<Heading> shapeBlocks(QTextDocument &doc) {
    std::vector<Heading> headings;
    QTextCursor cursor(&doc);
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        if (format.nonBreakableLines()) {
            // Output examples are wider than a page: smaller, and wrapped rather than cut.
            format.setNonBreakableLines(false);
            cursor.setPosition(block.position());
            cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
            cursor.setBlockFormat(format);
            QTextCharFormat smaller;
            smaller.setFontPointSize(8);
            cursor.mergeCharFormat(smaller);
            continue;
        }
        const int level = format.headingLevel();
        if (level == 0 || level > 2)
            continue;
        if (level == 1 && block.position() > 0) {
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            cursor.setPosition(block.position());
            cursor.setBlockFormat(format);
        }
        headings.push_back({level, block.text(), 0});
    }
    for (QTextFrame *frame : doc.rootFrame()->childFrames()) {
        auto *table = qobject_cast<QTextTable *>(frame);
        if (!table)
            continue;
        QTextTableFormat format = table->format();
        format.setBorder(2);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorderCollapse(true);
        format.setCellPadding(4);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setHeaderRowCount(1);
        table->setFormat(format);
    }
    return headings;
}

// A heading never ends a page: when the paragraph or picture after it begins on the next page,
// the heading goes there too. Each move shifts only what follows it.
void keepHeadingsWithTheirText(QTextDocument &doc) {
    const double pageHeight = doc.pageSize().height();
    const auto pageOf = [pageHeight](double y) { return static_cast<int>(y / pageHeight); };
    QAbstractTextDocumentLayout *layout = doc.documentLayout();
    QTextCursor cursor(&doc);
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const QTextBlock next = block.next();
        QTextBlockFormat format = block.blockFormat();
        if (format.headingLevel() == 0 || !next.isValid())
            continue;
        // A line that does not fit moves to the next page within its block: the first line
        // tells where the text after the heading begins.
        double textTop = layout->blockBoundingRect(next).top();
        if (next.layout() && next.layout()->lineCount() > 0)
            textTop += next.layout()->lineAt(0).y();
        if (pageOf(layout->blockBoundingRect(block).top()) == pageOf(textTop + 1))
            continue;
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        cursor.setPosition(block.position());
        cursor.setBlockFormat(format);
    }
}

void pageNumbers(const QTextDocument &doc, std::vector<Heading> &headings) {
    const double pageHeight = doc.pageSize().height();
    std::size_t next = 0;
    for (QTextBlock block = doc.begin(); block.isValid() && next < headings.size();
         block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level == 0 || level > 2)
            continue;
        const QRectF box = doc.documentLayout()->blockBoundingRect(block);
        headings[next++].page = static_cast<int>(box.top() / pageHeight);
    }
}

QString contentsHtml(const std::vector<Heading> &headings, int firstChapterPage) {
    QString html = QStringLiteral("<h1>Inhalt</h1><table width=\"100%\" cellpadding=\"2\">");
    for (const Heading &h : headings) {
        const QString text = h.text.toHtmlEscaped();
        html += QStringLiteral("<tr><td>%1</td><td align=\"right\">%2</td></tr>")
                    .arg(h.level == 1 ? QStringLiteral("<b>%1</b>").arg(text)
                                      : QStringLiteral("&nbsp;&nbsp;&nbsp;&nbsp;") + text)
                    .arg(h.page + firstChapterPage);
    }
    return html + QStringLiteral("</table>");
}

void drawPage(QPainter &painter, QTextDocument &doc, int index, const QRectF &area) {
    painter.save();
    painter.translate(0, -index * area.height());
    // A hair short of the page, so that nothing of the next page's first line shows.
    doc.drawContents(&painter, QRectF(0, index * area.height(), area.width(), area.height() - 2));
    painter.restore();
}

void drawFooter(QPainter &painter, const QRectF &area, double footerTop, int number) {
    painter.save();
    painter.setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    const QRectF line(0, footerTop, area.width(), area.height());
    painter.drawText(line, Qt::AlignLeft | Qt::AlignTop, Title);
    painter.drawText(line, Qt::AlignRight | Qt::AlignTop, QStringLiteral("Seite %1").arg(number));
    painter.restore();
}

void drawTitlePage(QPainter &painter, const QRectF &area) {
    painter.save();
    painter.setFont(QFont(QStringLiteral("Liberation Sans"), 32, QFont::Bold));
    const QRectF upper(0, area.height() * 0.3, area.width(), area.height() * 0.1);
    painter.drawText(upper, Qt::AlignCenter, QStringLiteral("Penvaro 2011"));
    painter.setFont(QFont(QStringLiteral("Liberation Sans"), 18));
    painter.drawText(upper.translated(0, upper.height()), Qt::AlignCenter,
                     QStringLiteral("Handbuch"));
    painter.setFont(QFont(QStringLiteral("Liberation Sans"), 11));
    painter.drawText(upper.translated(0, 2 * upper.height()), Qt::AlignCenter,
                     QStringLiteral("Das Haushaltsbuch für Girokonten, Kassen und Vereinskonten"));
    painter.restore();
}

} // namespace

core::Result<void> WriteManual(const QString &pdfFile, const QString &pictureFolder,
                               const QStringList &chapterFiles) {
    const auto markdown = readChapters(chapterFiles);
    if (!markdown)
        return markdown.error();

    QPdfWriter writer(pdfFile);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 18, 20, 14), QPageLayout::Millimeter);
    writer.setResolution(300);
    writer.setTitle(Title);
    writer.setCreator(QStringLiteral("Penvaro 2011"));
    const QRectF area = writer.pageLayout().paintRectPixels(writer.resolution());
    // The last line of every page is the page's number.
    const double footer = writer.resolution() * 0.25;
    const QSizeF page(area.width(), area.height() - footer);

    const auto setUp = [&](QTextDocument &doc) {
        doc.documentLayout()->setPaintDevice(&writer);
        doc.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 10));
        doc.setDocumentMargin(0);
        doc.setPageSize(page);
        // Output examples separate their fields by tabs; stops of half an inch keep their columns
        // on the page. Qt measures them in pixels of a screen of 96 dpi.
        QTextOption option = doc.defaultTextOption();
        option.setTabStopDistance(96 * 0.5);
        doc.setDefaultTextOption(option);
    };

    QTextDocument chapters;
    setUp(chapters);
    chapters.setMarkdown(*markdown, QTextDocument::MarkdownDialectGitHub);
    const double pixelsPerDot = 96.0 / writer.resolution();
    if (auto placed = placePictures(chapters, pictureFolder, page.width() * pixelsPerDot * 0.9);
        !placed)
        return placed;
    std::vector<Heading> headings = shapeBlocks(chapters);
    keepHeadingsWithTheirText(chapters);
    pageNumbers(chapters, headings);

    QTextDocument contents;
    setUp(contents);
    // The count of its pages does not depend on the numbers it shows.
    contents.setHtml(contentsHtml(headings, 0));
    const int firstChapterPage = 2 + contents.pageCount();
    contents.setHtml(contentsHtml(headings, firstChapterPage));

    QPainter painter;
    if (!painter.begin(&writer))
        return failure(QStringLiteral("%1 kann nicht geschrieben werden.").arg(pdfFile));
    drawTitlePage(painter, QRectF(QPointF(0, 0), page));
    int number = 1;
    for (QTextDocument *doc : {&contents, &chapters}) {
        for (int index = 0; index < doc->pageCount(); ++index) {
            writer.newPage();
            ++number;
            drawPage(painter, *doc, index, QRectF(QPointF(0, 0), page));
            drawFooter(painter, QRectF(QPointF(0, 0), page), page.height() + footer * 0.3, number);
        }
    }
    if (!painter.end())
        return failure(QStringLiteral("%1 kann nicht geschrieben werden.").arg(pdfFile));
    return {};
}

} // namespace penvaro::manual
