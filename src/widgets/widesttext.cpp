#include "widesttext.h"

#include <QHash>

#include <algorithm>
#include <array>

namespace penvaro::widgets {

int WidestText(const QFontMetrics &metrics, int count,
               const std::function<const QString &(int)> &textAt) {
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
    WidestCandidates widest;
    for (int i = 0; i < count; ++i)
        widest.offer(i, estimate(textAt(i)));
    int result = 0;
    for (const int i : std::move(widest).indices())
        result = std::max(result, metrics.horizontalAdvance(textAt(i)));
    return result;
}

void WidestCandidates::offer(int index, std::int64_t estimate) {
    if (estimate > m_estimate) {
        m_estimate = estimate;
        m_indices.clear();
    }
    if (estimate == m_estimate && m_indices.size() < kept)
        m_indices.push_back(index);
}

} // namespace penvaro::widgets
