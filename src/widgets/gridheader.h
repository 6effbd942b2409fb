#pragma once

#include <QHeaderView>

namespace penvaro::widgets {

class StringGrid;

// Row 0 of the grid: painted from the column titles, with the title's caption when one is
// assigned, else the text written into the header cell.
class GridHeader : public QHeaderView {
    Q_OBJECT

public:
    explicit GridHeader(StringGrid *grid);

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;

private:
    StringGrid *m_grid;
};

} // namespace penvaro::widgets
