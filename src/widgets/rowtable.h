#pragma once

class QTableView;

namespace penvaro::widgets {

// The look and keys every read-only list of records shares: a whole row selected at a time,
// no cell editor, Tab leaving the table, no row numbers, headers that do not sort.
void SetUpRowTable(QTableView &view);

// Rows and header of one height, as the options or the window give it.
void SetRowHeight(QTableView &view, int height);

} // namespace penvaro::widgets
