#include "integerinput.h"

namespace penvaro::entry {

std::optional<int> IntegerInRange(const QString &text, int low, int high) {
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok, 10);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return static_cast<int>(value);
}

} // namespace penvaro::entry
