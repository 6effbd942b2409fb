#include "qtprintcanvas.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPen>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace penvaro::platform {
namespace {

constexpr qreal TenthsOfMillimetrePerInch = 254.0;

} // namespace

QtPrintCanvas::QtPrintCanvas(QPrinter &printer)
    : m_printer(printer) {}

QtPrintCanvas::~QtPrintCanvas() {
    if (m_painter.isActive())
        m_painter.end();
    forgetPdf();
}

void QtPrintCanvas::forgetPdf() {
    if (!m_pdf)
        return;
    m_printer.setOutputFileName(m_pdfTarget);
    m_pdf.reset();
}

QString QtPrintCanvas::ResolveFamily(const std::string &name) {
    if (name == "Arial")
        return QStringLiteral("Liberation Sans");
    if (name == "Courier New")
        return QStringLiteral("Liberation Mono");
    return QString::fromStdString(name);
}

core::Result<void> QtPrintCanvas::beginDocument(const std::string &title) {
    m_printer.setDocName(QString::fromStdString(title));
    if (m_printer.outputFormat() == QPrinter::PdfFormat && !m_printer.outputFileName().isEmpty()) {
        auto pdf = PdfFileWrite::start(m_printer.outputFileName());
        if (!pdf)
            return pdf.error();
        m_pdfTarget = m_printer.outputFileName();
        m_printer.setOutputFileName(pdf->temporaryPath());
        m_pdf = std::move(*pdf);
    }
    if (!m_painter.begin(&m_printer)) {
        forgetPdf();
        const QString target = m_printer.outputFileName().isEmpty() ? m_printer.printerName()
                                                                    : m_printer.outputFileName();
        return core::Error{core::ErrorKind::Io, "Der Druck auf „" + target.toStdString()
                                                    + "“ konnte nicht begonnen werden."};
    }
    m_page = 1;
    m_painter.setRenderHint(QPainter::Antialiasing);
    setPenWidth(1);
    return {};
}

void QtPrintCanvas::newPage() {
    m_printer.newPage();
    ++m_page;
}

core::Result<void> QtPrintCanvas::endDocument() {
    const bool ended = m_painter.end();
    m_page = 0;
    if (!ended || m_printer.printerState() == QPrinter::Error) {
        if (m_pdf) {
            const core::Error stopped = m_pdf->abandon();
            forgetPdf();
            return stopped;
        }
        return core::Error{core::ErrorKind::Io,
                           "Der Druck konnte nicht abgeschlossen werden; die Ausgabe ist "
                           "unvollständig."};
    }
    if (!m_pdf)
        return {};
    auto committed = m_pdf->commit();
    forgetPdf();
    return committed;
}

void QtPrintCanvas::setFont(const core::CanvasFont &font) {
    QFont qfont(ResolveFamily(font.name));
    qfont.setBold(font.bold);
    qfont.setStyleStrategy(QFont::PreferOutline);
    // The layouts give the cell height (ascent and descent); Qt sizes fonts by their em.
    constexpr int referencePixels = 1000;
    qfont.setPixelSize(referencePixels);
    const qreal cellAtReference = QFontMetricsF(qfont, &m_printer).height();
    const qreal cell = toDevice(font.cellHeight);
    qfont.setPixelSize(std::max(1, qRound(cell * referencePixels / cellAtReference)));
    m_font = qfont;
    m_painter.setFont(m_font);
}

void QtPrintCanvas::setPenWidth(int width) {
    QPen pen(Qt::black);
    pen.setWidthF(toDevice(width));
    pen.setCapStyle(Qt::FlatCap);
    m_painter.setPen(pen);
}

void QtPrintCanvas::line(int x1, int y1, int x2, int y2) {
    m_painter.drawLine(QPointF(toDeviceX(x1), toDeviceY(y1)),
                       QPointF(toDeviceX(x2), toDeviceY(y2)));
}

void QtPrintCanvas::text(int x, int y, const std::string &text, core::TextAlign align) {
    const QString shown = QString::fromStdString(text);
    const QFontMetricsF metrics(m_painter.font(), m_painter.device());
    const qreal width = metrics.horizontalAdvance(shown);
    qreal left = toDeviceX(x);
    if (align == core::TextAlign::Right)
        left -= width;
    else if (align == core::TextAlign::Centre)
        left -= width / 2;
    m_painter.drawText(QPointF(left, toDeviceY(y) + metrics.ascent()), shown);
}

void QtPrintCanvas::clippedText(int x, int y, int width, const std::string &text) {
    const QFontMetricsF metrics(m_painter.font(), m_painter.device());
    const QRectF cell(toDeviceX(x), toDeviceY(y), toDevice(std::max(width, 0)), metrics.height());
    m_painter.save();
    m_painter.setClipRect(cell, Qt::IntersectClip);
    this->text(x, y, text, core::TextAlign::Left);
    m_painter.restore();
}

int QtPrintCanvas::pageWidthMm() const {
    return static_cast<int>(
        std::lround(m_printer.pageLayout().paintRect(QPageLayout::Millimeter).width()));
}

qreal QtPrintCanvas::toDevice(int length) const {
    return length * m_printer.resolution() / TenthsOfMillimetrePerInch;
}

qreal QtPrintCanvas::toDeviceX(int x) const {
    return toDevice(x);
}

qreal QtPrintCanvas::toDeviceY(int y) const {
    return toDevice(-y);
}

} // namespace penvaro::platform
