#pragma once

#include "canvas.h"

namespace penvaro::core {

// Puts every print job of a printout into one document: a job after the first goes on on a
// new page, its pages numbered from 1 again. A PDF file takes one job only; a second one
// would replace the first.
class JoinedJobsCanvas final : public Canvas {
public:
    explicit JoinedJobsCanvas(Canvas &target)
        : m_target(target) {}

    Result<void> beginDocument(const std::string &title) override;
    void newPage() override;
    // Ends a job; the document stays open for the next until finish().
    Result<void> endDocument() override;
    // Ends the document, when a job was begun.
    Result<void> finish();

    void setFont(const CanvasFont &font) override { m_target.setFont(font); }
    void setPenWidth(int width) override { m_target.setPenWidth(width); }
    void line(int x1, int y1, int x2, int y2) override { m_target.line(x1, y1, x2, y2); }
    void text(int x, int y, const std::string &text, TextAlign align) override {
        m_target.text(x, y, text, align);
    }
    void clippedText(int x, int y, int width, const std::string &text) override {
        m_target.clippedText(x, y, width, text);
    }
    int pageWidthMm() const override { return m_target.pageWidthMm(); }
    int pageNumber() const override { return m_page; }

private:
    Canvas &m_target;
    bool m_begun = false;
    int m_page = 0;
};

} // namespace penvaro::core
