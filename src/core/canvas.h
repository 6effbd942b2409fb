#pragma once

#include "result.h"

#include <string>

namespace penvaro::core {

enum class TextAlign { Left, Right, Centre };

struct CanvasFont {
    std::string name;   // "Arial" or "Courier New"
    int cellHeight = 0; // tenths of a millimetre
    bool bold = false;

    friend bool operator==(const CanvasFont &, const CanvasFont &) = default;
};

// What every printout of the program draws on: a page in tenths of a millimetre from the top
// left corner of the printable area, x to the right, y negative downwards. A text's y is its
// top edge. Printouts are core functions on this interface, so that their layout is tested
// exactly on a recording canvas and printed on a real printer or a PDF file by the platform.
class Canvas {
public:
    virtual ~Canvas() = default;

    // Starts the print job; a failure (no printer, file not writable) means nothing was drawn.
    virtual Result<void> beginDocument(const std::string &title) = 0;
    virtual void newPage() = 0;
    // Finishes the job; a failure means the output is incomplete or missing.
    virtual Result<void> endDocument() = 0;

    virtual void setFont(const CanvasFont &font) = 0;
    virtual void setPenWidth(int width) = 0;
    virtual void line(int x1, int y1, int x2, int y2) = 0;
    // Texts are UTF-8.
    virtual void text(int x, int y, const std::string &text, TextAlign align) = 0;
    // A left-aligned text cut off width to the right of x, so that it never runs into the
    // next column; its position is that of text().
    virtual void clippedText(int x, int y, int width, const std::string &text) = 0;

    virtual int pageWidthMm() const = 0;
    // 1 on the first page of the current job.
    virtual int pageNumber() const = 0;
};

} // namespace penvaro::core
