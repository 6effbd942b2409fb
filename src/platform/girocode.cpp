#include "girocode.h"

#include <qrencode.h>

#include <memory>

namespace penvaro::platform {
namespace {

constexpr int quietZone = 4;

struct CodeDeleter {
    void operator()(QRcode *code) const { QRcode_free(code); }
};

} // namespace

core::Result<core::QrModules> GiroCodeModules(const std::string &payload) {
    const std::unique_ptr<QRcode, CodeDeleter> code(QRcode_encodeData(
        static_cast<int>(payload.size()), reinterpret_cast<const unsigned char *>(payload.data()),
        0, QR_ECLEVEL_M));
    if (!code)
        return core::Error{core::ErrorKind::Invalid,
                           "Der GiroCode ließ sich nicht erzeugen: Die Daten passen nicht in einen "
                           "QR-Code."};
    core::QrModules modules;
    for (int row = 0; row < code->width; ++row) {
        std::string cells;
        for (int column = 0; column < code->width; ++column)
            // The lowest bit of each module says whether it is dark.
            cells += (code->data[row * code->width + column] & 1) != 0 ? '1' : '0';
        modules.push_back(std::move(cells));
    }
    return modules;
}

QImage GiroCodeImage(const core::QrModules &modules, int modulePixels) {
    const int size = (static_cast<int>(modules.size()) + 2 * quietZone) * modulePixels;
    QImage image(size, size, QImage::Format_Mono);
    image.setColor(0, qRgb(255, 255, 255));
    image.setColor(1, qRgb(0, 0, 0));
    image.fill(0);
    for (std::size_t row = 0; row < modules.size(); ++row) {
        for (std::size_t column = 0; column < modules[row].size(); ++column) {
            if (modules[row][column] != '1')
                continue;
            const int left = (static_cast<int>(column) + quietZone) * modulePixels;
            const int top = (static_cast<int>(row) + quietZone) * modulePixels;
            for (int y = top; y < top + modulePixels; ++y)
                for (int x = left; x < left + modulePixels; ++x)
                    image.setPixel(x, y, 1);
        }
    }
    return image;
}

} // namespace penvaro::platform
