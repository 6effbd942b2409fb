#pragma once

#include "pdffilewrite.h"

#include "core/canvas.h"

#include <QFont>
#include <QPainter>

#include <optional>

class QPrinter;

namespace penvaro::platform {

// The printouts' canvas on a printer or a PDF file. Positions in tenths of a millimetre from
// the top left corner of the printable area become device pixels at the printer's resolution;
// a text's top edge lands on its y whatever the font's ascent. A PDF file replaces the file of
// its name only once it is whole (PdfFileWrite).
class QtPrintCanvas final : public core::Canvas {
public:
    explicit QtPrintCanvas(QPrinter &printer);
    ~QtPrintCanvas() override;
    QtPrintCanvas(const QtPrintCanvas &) = delete;
    QtPrintCanvas &operator=(const QtPrintCanvas &) = delete;

    core::Result<void> beginDocument(const std::string &title) override;
    void newPage() override;
    core::Result<void> endDocument() override;
    void setFont(const core::CanvasFont &font) override;
    void setPenWidth(int width) override;
    void line(int x1, int y1, int x2, int y2) override;
    void text(int x, int y, const std::string &text, core::TextAlign align) override;
    void clippedText(int x, int y, int width, const std::string &text) override;
    int pageWidthMm() const override;
    int pageNumber() const override { return m_page; }

    // The font family a printout's font name is printed in: the metric twins of the fonts
    // the layouts were measured with, so that widths and line heights hold.
    static QString ResolveFamily(const std::string &name);

private:
    qreal toDeviceX(int x) const;
    qreal toDeviceY(int y) const;
    qreal toDevice(int length) const;

    // Points the printer back at the file the user named.
    void forgetPdf();

    QPrinter &m_printer;
    std::optional<PdfFileWrite> m_pdf;
    QString m_pdfTarget;
    QPainter m_painter;
    QFont m_font;
    int m_page = 0;
};

} // namespace penvaro::platform
