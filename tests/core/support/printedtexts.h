#pragma once

#include "recordingcanvas.h"

#include "core/formprint.h"

#include <ostream>
#include <string>
#include <vector>

namespace penvaro::testing {

// A text as it reached the canvas, in a form that gtest compares and prints as a whole.
struct PrintedText {
    int x = 0;
    int y = 0;
    std::string text;

    friend bool operator==(const PrintedText &, const PrintedText &) = default;
    friend std::ostream &operator<<(std::ostream &out, const PrintedText &t) {
        return out << "(" << t.x << ", " << t.y << ") \"" << t.text << "\"";
    }
};

// Prints the page onto a fresh recording canvas and returns its texts in writing order.
std::vector<PrintedText> PrintedTexts(const core::FormPage &page,
                                      const core::PrintCorrection &correction = {});
std::vector<PrintedText> PrintedTexts(const RecordingCanvas &canvas);

} // namespace penvaro::testing
