#pragma once

#include <QFontMetrics>
#include <QString>

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace penvaro::widgets {

// Room a cell keeps beside its text: the painted margins and the grid line.
inline constexpr int CellPadding = 10;

// The width of the widest of count texts. Only the few whose characters are widest together
// are measured: measuring tens of thousands of texts one by one takes a visible moment. Where
// the font kerns, a text measures a pixel less than that sum, which a cell's padding covers.
int WidestText(const QFontMetrics &metrics, int count,
               const std::function<const QString &(int)> &textAt);

// The first few items offered with the largest estimated width: the ones worth measuring.
class WidestCandidates {
public:
    void offer(int index, std::int64_t estimate);
    std::vector<int> indices() && { return std::move(m_indices); }

private:
    static constexpr std::size_t kept = 16;
    std::int64_t m_estimate = -1;
    std::vector<int> m_indices;
};

} // namespace penvaro::widgets
