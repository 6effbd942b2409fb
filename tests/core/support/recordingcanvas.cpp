#include "recordingcanvas.h"

#include <algorithm>

namespace penvaro::testing {

core::Result<void> RecordingCanvas::beginDocument(const std::string &title) {
    if (m_beginFailure) {
        auto message = *m_beginFailure;
        m_beginFailure.reset();
        return core::Error{core::ErrorKind::Io, message};
    }
    ++m_jobs;
    m_page = 1;
    ++m_pagesTotal;
    m_steps.push_back({.op = Op::Begin, .page = m_page, .text = title});
    return {};
}

void RecordingCanvas::newPage() {
    ++m_page;
    ++m_pagesTotal;
    m_steps.push_back({.op = Op::NewPage, .page = m_page});
}

core::Result<void> RecordingCanvas::endDocument() {
    m_steps.push_back({.op = Op::End, .page = m_page});
    if (m_endFailure) {
        auto message = *m_endFailure;
        m_endFailure.reset();
        return core::Error{core::ErrorKind::Io, message};
    }
    return {};
}

void RecordingCanvas::setFont(const core::CanvasFont &font) {
    m_font = font;
    m_steps.push_back({.op = Op::Font, .page = m_page, .font = font});
}

void RecordingCanvas::setPenWidth(int width) {
    m_steps.push_back({.op = Op::Pen, .page = m_page, .x1 = width});
}

void RecordingCanvas::line(int x1, int y1, int x2, int y2) {
    m_steps.push_back(
        {.op = Op::Line, .page = m_page, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .font = m_font});
}

void RecordingCanvas::clippedText(int x, int y, int width, const std::string &text) {
    m_steps.push_back({.op = Op::Text,
                       .page = m_page,
                       .x1 = x,
                       .y1 = y,
                       .x2 = x + width,
                       .text = text,
                       .align = core::TextAlign::Left,
                       .font = m_font});
}

void RecordingCanvas::text(int x, int y, const std::string &text, core::TextAlign align) {
    m_steps.push_back({.op = Op::Text,
                       .page = m_page,
                       .x1 = x,
                       .y1 = y,
                       .text = text,
                       .align = align,
                       .font = m_font});
}

std::vector<RecordingCanvas::Step> RecordingCanvas::texts() const {
    std::vector<Step> found;
    std::copy_if(m_steps.begin(), m_steps.end(), std::back_inserter(found),
                 [](const Step &step) { return step.op == Op::Text; });
    return found;
}

std::vector<RecordingCanvas::Step> RecordingCanvas::lines() const {
    std::vector<Step> found;
    std::copy_if(m_steps.begin(), m_steps.end(), std::back_inserter(found),
                 [](const Step &step) { return step.op == Op::Line; });
    return found;
}

std::optional<RecordingCanvas::Step> RecordingCanvas::findText(const std::string &text) const {
    const auto it = std::find_if(m_steps.begin(), m_steps.end(), [&](const Step &step) {
        return step.op == Op::Text && step.text == text;
    });
    if (it == m_steps.end())
        return std::nullopt;
    return *it;
}

} // namespace penvaro::testing
