#pragma once

#include <QHeaderView>

namespace penvaro::ledger {

class TImpStringgrid;

// Row 0 of the grid: painted from the column titles, with the title's caption when one is
// assigned, else the text written into the header cell.
class ImpGridHeader : public QHeaderView {
    Q_OBJECT

public:
    explicit ImpGridHeader(TImpStringgrid *grid);

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;

private:
    TImpStringgrid *m_grid;
};

} // namespace penvaro::ledger
