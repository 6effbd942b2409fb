#include "printedtexts.h"

namespace penvaro::testing {

std::vector<PrintedText> PrintedTexts(const core::FormPage &page,
                                      const core::PrintCorrection &correction) {
    RecordingCanvas canvas;
    static_cast<void>(core::PrintFormPage(canvas, page, correction));
    return PrintedTexts(canvas);
}

std::vector<PrintedText> PrintedTexts(const RecordingCanvas &canvas) {
    std::vector<PrintedText> texts;
    for (const RecordingCanvas::Step &step : canvas.texts())
        texts.push_back({step.x1, step.y1, step.text});
    return texts;
}

} // namespace penvaro::testing
