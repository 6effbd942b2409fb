#include "formprint.h"

namespace penvaro::core {

Result<void> PrintFormPage(Canvas &canvas, const FormPage &page,
                           const PrintCorrection &correction) {
    if (auto begun = canvas.beginDocument(page.title); !begun)
        return begun;
    const PrintCorrection shift = page.corrected ? correction : PrintCorrection{};
    bool fontSet = false;
    CanvasFont current;
    for (const PlacedText &placed : page.texts) {
        if (placed.text.empty())
            continue;
        if (!fontSet || placed.font != current) {
            canvas.setFont(placed.font);
            current = placed.font;
            fontSet = true;
        }
        canvas.text(placed.x + shift.horizontal, placed.y - shift.vertical, placed.text,
                    TextAlign::Left);
    }
    return canvas.endDocument();
}

CanvasFont FormFont(int cellHeight) {
    return {"Courier New", cellHeight, true};
}

CanvasFont ReceiptFont(bool bold) {
    return {"Arial", 45, bold};
}

CanvasFont ReceiptHeadingFont() {
    return {"Arial", 60, true};
}

} // namespace penvaro::core
