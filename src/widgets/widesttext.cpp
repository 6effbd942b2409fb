#include "widesttext.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <vector>

namespace penvaro::widgets {

int WidestText(const QFontMetrics &metrics, int count,
               const std::function<const QString &(int)> &textAt) {
    constexpr std::size_t measured = 16;
    // Latin-1 covers nearly every character of a booking; a table keeps the lookup cheap.
    std::array<int, 256> latin1{};
    latin1.fill(-1);
    QHash<QChar, int> others;
    const auto advance = [&](QChar c) {
        if (c.unicode() < latin1.size()) {
            int &known = latin1[c.unicode()];
            if (known < 0)
                known = metrics.horizontalAdvance(c);
            return known;
        }
        auto known = others.constFind(c);
        if (known == others.cend())
            known = others.insert(c, metrics.horizontalAdvance(c));
        return *known;
    };
    const auto estimate = [&](const QString &text) {
        int sum = 0;
        for (const QChar c : text)
            sum += advance(c);
        return sum;
    };
    int widestEstimate = -1;
    std::vector<int> widest;
    for (int i = 0; i < count; ++i) {
        const int width = estimate(textAt(i));
        if (width > widestEstimate) {
            widestEstimate = width;
            widest.clear();
        }
        if (width == widestEstimate && widest.size() < measured)
            widest.push_back(i);
    }
    int result = 0;
    for (const int i : widest)
        result = std::max(result, metrics.horizontalAdvance(textAt(i)));
    return result;
}

} // namespace penvaro::widgets
