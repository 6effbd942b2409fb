#pragma once

#include <QFontMetrics>
#include <QString>

#include <functional>

namespace penvaro::widgets {

// Room a cell keeps beside its text: the painted margins and the grid line.
inline constexpr int CellPadding = 10;

// The width of the widest of count texts. Only the few whose characters are widest together
// are measured: measuring tens of thousands of texts one by one takes a visible moment. Where
// the font kerns, a text measures a pixel less than that sum, which a cell's padding covers.
int WidestText(const QFontMetrics &metrics, int count,
               const std::function<const QString &(int)> &textAt);

} // namespace penvaro::widgets
