#pragma once

#include "core/canvas.h"

#include <optional>
#include <string>
#include <vector>

namespace penvaro::testing {

// Records what a printout draws, so that tests compare positions, fonts and page breaks exactly.
class RecordingCanvas final : public core::Canvas {
public:
    enum class Op { Begin, NewPage, End, Font, Pen, Line, Text };

    struct Step {
        Op op;
        int page = 0;                       // page number when the step was drawn
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0; // line ends; text position in x1, y1 (a cut text's
                                            // edge in x2); pen in x1
        std::string text = {};              // job title or text
        core::TextAlign align = core::TextAlign::Left;
        core::CanvasFont font = {}; // font in effect for texts and font steps
    };

    explicit RecordingCanvas(int pageWidthMm = 210)
        : m_pageWidthMm(pageWidthMm) {}

    // The next beginDocument or endDocument fails with this German message.
    void failBeginWith(std::string message) { m_beginFailure = std::move(message); }
    void failEndWith(std::string message) { m_endFailure = std::move(message); }

    core::Result<void> beginDocument(const std::string &title) override;
    void newPage() override;
    core::Result<void> endDocument() override;
    void setFont(const core::CanvasFont &font) override;
    void setPenWidth(int width) override;
    void line(int x1, int y1, int x2, int y2) override;
    void text(int x, int y, const std::string &text, core::TextAlign align) override;
    // Recorded as a left-aligned text whose x2 is the edge it is cut at.
    void clippedText(int x, int y, int width, const std::string &text) override;
    int pageWidthMm() const override { return m_pageWidthMm; }
    int pageNumber() const override { return m_page; }

    const std::vector<Step> &steps() const { return m_steps; }
    std::vector<Step> texts() const;
    std::vector<Step> lines() const;
    // The first text step with exactly this text, if any.
    std::optional<Step> findText(const std::string &text) const;
    int jobs() const { return m_jobs; }
    // Pages of all jobs together.
    int pages() const { return m_pagesTotal; }

private:
    std::vector<Step> m_steps;
    core::CanvasFont m_font;
    int m_pageWidthMm;
    int m_page = 0;
    int m_jobs = 0;
    int m_pagesTotal = 0;
    std::optional<std::string> m_beginFailure;
    std::optional<std::string> m_endFailure;
};

} // namespace penvaro::testing
