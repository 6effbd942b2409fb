#include "girocodeprintout.h"

#include "formprint.h"

namespace penvaro::core {
namespace {

constexpr int left = 150;
constexpr int top = -150;
constexpr int quietZone = 4;

} // namespace

Result<void> PrintGiroCode(Canvas &canvas, const QrModules &modules,
                           const std::vector<std::string> &lines, int moduleSize) {
    if (auto begun = canvas.beginDocument("Tarvel Software - GiroCode"); !begun)
        return begun;
    canvas.setPenWidth(moduleSize);
    const int origin = left + quietZone * moduleSize;
    for (std::size_t row = 0; row < modules.size(); ++row) {
        // A flat line along the middle of the row covers the modules from its start to its end.
        const int y = top - (quietZone + static_cast<int>(row)) * moduleSize - moduleSize / 2;
        const std::string &cells = modules[row];
        for (std::size_t column = 0; column < cells.size();) {
            if (cells[column] != '1') {
                ++column;
                continue;
            }
            const std::size_t start = column;
            while (column < cells.size() && cells[column] == '1')
                ++column;
            canvas.line(origin + static_cast<int>(start) * moduleSize, y,
                        origin + static_cast<int>(column) * moduleSize, y);
        }
    }
    const int textLeft =
        left + (2 * quietZone + static_cast<int>(modules.size())) * moduleSize + 50;
    canvas.setFont(ReceiptHeadingFont());
    canvas.text(textLeft, top - 40, "GiroCode", TextAlign::Left);
    canvas.setFont(ReceiptFont());
    int y = top - 140;
    for (const std::string &line : lines) {
        canvas.text(textLeft, y, line, TextAlign::Left);
        y -= 60;
    }
    return canvas.endDocument();
}

} // namespace penvaro::core
