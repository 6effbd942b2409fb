#pragma once

#include <QString>

#include <vector>

class QTableView;

namespace penvaro::widgets {

// The look and keys every read-only list of records shares: a whole row selected at a time,
// no cell editor, Tab leaving the table, no row numbers, headers that do not sort.
void SetUpRowTable(QTableView &view);

// Rows and header of one height, as the options or the window give it.
void SetRowHeight(QTableView &view, int height);

struct WrittenColumn {
    QString title;
    int width = 0;
};

// The table at least as wide as its columns, so that its window shows every one of them.
void KeepColumnsInView(QTableView &view);

// The written widths, each widened where the font would cut its title; the table at least as
// wide as all of them.
void SetWrittenColumnWidths(QTableView &view, const std::vector<WrittenColumn> &columns);

// The same for a model's columns, each with a UTF-16 title and a width.
template<typename Columns>
void SetWrittenColumnWidths(QTableView &view, const Columns &columns) {
    std::vector<WrittenColumn> written;
    for (const auto &column : columns)
        written.push_back({QString::fromUtf16(column.title), column.width});
    SetWrittenColumnWidths(view, written);
}

} // namespace penvaro::widgets
