#pragma once

#include "canvas.h"
#include "result.h"

#include <string>
#include <vector>

namespace penvaro::core {

// The user's shift of every form printout, in tenths of a millimetre ("KorrH", "KorrV"): a
// positive horizontal value moves the print to the right, a positive vertical value down.
struct PrintCorrection {
    int horizontal = 0;
    int vertical = 0;

    friend bool operator==(const PrintCorrection &, const PrintCorrection &) = default;
};

// One text of a form or receipt at its layout position (top left corner, y negative downwards).
struct PlacedText {
    int x = 0;
    int y = 0;
    std::string text; // UTF-8
    CanvasFont font;

    friend bool operator==(const PlacedText &, const PlacedText &) = default;
};

// A one-page printout of the payment window: its job title and its texts in writing order.
struct FormPage {
    std::string title;
    std::vector<PlacedText> texts;
    // Forms fill the bank's paper and follow the user's correction; receipts go on plain paper.
    bool corrected = false;
};

// Prints the page as one job, each text of a corrected page shifted by the correction. An
// empty text prints nothing. Fails when the job cannot begin or end; the caller then books and
// remembers nothing.
Result<void> PrintFormPage(Canvas &canvas, const FormPage &page,
                           const PrintCorrection &correction = {});

// The fonts of the payment window's printouts.
CanvasFont FormFont(int cellHeight);       // "Courier New", bold: what fills a bank form
CanvasFont ReceiptFont(bool bold = false); // "Arial", 45
CanvasFont ReceiptHeadingFont();           // "Arial", bold, 60

} // namespace penvaro::core
