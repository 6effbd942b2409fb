#include "ledgerrefresh.h"

#include "amountdisplay.h"
#include "ledgercolumns.h"
#include "widgets/stringgrid.h"

#include "core/accountregister.h"
#include "core/balances.h"
#include "core/date.h"
#include "platform/appstate.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace penvaro::ledger {
namespace {

const QColor fixedCellColour(224, 224, 224);
const QColor balanceColour(128, 128, 128);

int indexOf(const std::vector<ColumnSpec> &columns, LedgerColumn column) {
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].column == column)
            return static_cast<int>(i);
    }
    return -1;
}

// Writes columns, headers, widths, alignments, colours and fonts into a grid.
void layoutGrid(widgets::StringGrid &grid, const std::vector<ColumnSpec> &columns,
                const core::Settings &settings, int rowHeight) {
    const widgets::GridFont font{
        QFont(QString::fromStdString(settings.FontName), settings.FontSize), Qt::black};
    grid.setColumnCount(static_cast<int>(columns.size()));
    grid.setDefaultRowHeight(rowHeight);
    grid.setFixedColor(fixedCellColour);
    grid.setColor(Qt::white);
    for (int col = 0; col < grid.columnCount(); ++col) {
        const ColumnSpec &wanted = columns[static_cast<std::size_t>(col)];
        widgets::GridColumn &column = grid.column(col);
        column.restoreDefaults();
        column.setAlignment(wanted.alignment);
        column.title().setAlignment(Qt::AlignHCenter);
        column.title().setFont(font);
        column.setFont(font);
        if (wanted.column == LedgerColumn::Kontostand) {
            column.setColor(balanceColour);
            column.setFont({font.font, Qt::white});
        }
        if (wanted.width)
            grid.setColumnWidth(col, settings.*wanted.width);
        grid.setCell(col, 0, wanted.header);
    }
}

// The user's column widths go into the settings that keep them; the first column's never does.
void storeWidths(const widgets::StringGrid &grid, const std::vector<ColumnSpec> &columns,
                 core::Settings &settings) {
    for (int col = 1; col < grid.columnCount() && col < static_cast<int>(columns.size()); ++col) {
        if (const auto width = columns[static_cast<std::size_t>(col)].width)
            settings.*width = grid.columnWidth(col);
    }
}

// Places a check box panel above its column of the grid.
void placeAbove(QWidget *panel, const widgets::StringGrid &grid, int column) {
    if (column < 0)
        return;
    int left = 0;
    for (int col = 0; col < column; ++col)
        left += grid.columnWidth(col);
    // A column beyond the visible width keeps its check boxes at the group's right edge.
    const int rightmost = panel->parentWidget()->width() - panel->width() - grid.x();
    panel->move(std::min(grid.x() + left + 25, std::max(rightmost, 0)), panel->y());
}

} // namespace

LedgerRefresh::LedgerRefresh(platform::AppState &state, const LedgerWidgets &widgets)
    : m_state(state)
    , m_w(widgets) {}

core::Result<void> LedgerRefresh::RefreshLedger() {
    const core::Settings &settings = m_state.settings();
    const QString waehrung = QString::fromStdString(settings.Waehrung);
    m_w.RBnatBetrag->setText(waehrung);
    m_w.RBnatKontostand->setText(waehrung);
    for (QCheckBox *box :
         {m_w.RBEuroBetrag, m_w.RBnatBetrag, m_w.RBEuroKontostand, m_w.RBnatKontostand})
        box->blockSignals(true);
    m_w.RBEuroBetrag->setChecked(settings.euroBetrag);
    m_w.RBnatBetrag->setChecked(settings.natBetrag);
    m_w.RBEuroKontostand->setChecked(settings.euroKontostand);
    m_w.RBnatKontostand->setChecked(settings.natKontostand);
    for (QCheckBox *box :
         {m_w.RBEuroBetrag, m_w.RBnatBetrag, m_w.RBEuroKontostand, m_w.RBnatKontostand})
        box->blockSignals(false);
    m_w.PSummeG->setVisible(settings.SummeGan);
    m_w.PSummeZ->setVisible(settings.SummeZan);
    m_w.PSummeL->setVisible(settings.SummeLan);
    m_w.GroupBox1->setTitle(QStringLiteral("Getätigte Buchungen - ") + m_state.currentFile());
    fillGrids();
    auto laidOut = LayoutCompletedGrid();
    LayoutPlannedGrid();
    return laidOut;
}

void LedgerRefresh::fillGrids() {
    const core::Settings &settings = m_state.settings();
    const core::BookingTable &table = m_state.table();
    const AmountDisplay amounts(settings);
    const auto completed = CompletedColumns(settings);
    const auto planned = PlannedColumns(settings);
    widgets::StringGrid &grid1 = *m_w.Stringgrid1;
    widgets::StringGrid &grid2 = *m_w.StringGrid2;

    grid1.beginUpdate();
    grid2.beginUpdate();
    grid1.setColumnCount(static_cast<int>(completed.size()));
    grid2.setColumnCount(static_cast<int>(planned.size()));
    grid1.setRowCount(std::max(table.count + 1, 2));
    grid2.setRowCount(std::max(table.count + 1, 2));
    int row1 = 0;
    int row2 = 0;
    for (int slot = 1; slot <= table.count; ++slot) {
        const core::BookingRecord &r = table.slot(slot);
        if (r.Satzart == core::BookingKind::Completed) {
            ++row1;
            for (std::size_t col = 0; col < completed.size(); ++col)
                grid1.setCell(static_cast<int>(col), row1,
                              CellText(completed[col].column, r, amounts));
        } else if (r.Satzart == core::BookingKind::StartValue) {
            grid1.clearRow(++row1);
            grid1.setCell(0, row1, QStringLiteral("Startwert"));
        } else if (r.Satzart == core::BookingKind::Planned) {
            ++row2;
            for (std::size_t col = 0; col < planned.size(); ++col)
                grid2.setCell(static_cast<int>(col), row2,
                              CellText(planned[col].column, r, amounts));
        }
    }
    grid1.setRowCount(std::max(row1 + 1, 2));
    grid2.setRowCount(std::max(row2 + 1, 2));
    if (row1 == 0)
        grid1.clearRow(1);
    if (row2 == 0)
        grid2.clearRow(1);
    grid1.endUpdate();
    grid2.endUpdate();
}

core::Result<void> LedgerRefresh::LayoutCompletedGrid() {
    const core::Settings &settings = m_state.settings();
    widgets::StringGrid &grid = *m_w.Stringgrid1;
    const bool scrolls = grid.rowCount() * (settings.Tab1ZeiAbst + 1) > grid.height();
    m_usableWidth = scrolls ? grid.width() - 20 : grid.width();

    const auto columns = CompletedColumns(settings);
    layoutGrid(grid, columns, settings, settings.Tab1ZeiAbst);
    m_w.RBEuroKontostand->setVisible(settings.SummeB);
    m_w.RBnatKontostand->setVisible(settings.SummeB);
    placeAbove(m_w.PKontostand, grid, indexOf(columns, LedgerColumn::Kontostand));
    placeAbove(m_w.PBetrag, grid, indexOf(columns, LedgerColumn::Betrag));
    return computeSums();
}

void LedgerRefresh::LayoutPlannedGrid() {
    const core::Settings &settings = m_state.settings();
    layoutGrid(*m_w.StringGrid2, PlannedColumns(settings), settings, settings.Tab2ZeiAbst);
}

core::Result<void> LedgerRefresh::computeSums() {
    const core::BookingTable &table = m_state.table();
    const AmountDisplay amounts(m_state.settings());
    const auto book = core::ComputeBookBalance(table);
    if (!book)
        return book.error();
    m_bookBalance = *book;
    m_w.ESumme->setText(amounts.sum(m_bookBalance));
    // Layouts run on every resize and mouse release; the register file is only rewritten when
    // the balance it should hold has changed.
    const std::pair<std::string, std::int64_t> shown{m_state.settings().Datei, m_bookBalance};
    if (!shown.first.empty() && shown != m_registered) {
        if (auto updated =
                core::UpdateRegisterBalance(m_state.registerPath(), shown.first, shown.second);
            !updated)
            return updated;
        m_registered = shown;
    }
    if (auto planned = ComputePlannedSum(); !planned)
        return planned;
    if (m_state.settings().SummeB)
        return fillRunningBalances();
    return {};
}

core::Result<void> LedgerRefresh::ComputePlannedSum() {
    const core::BookingTable &table = m_state.table();
    const AmountDisplay amounts(m_state.settings());
    const auto planned = core::ComputePlannedSum(table);
    if (!planned)
        return planned.error();
    m_plannedSum = *planned;
    m_w.ESumme2->setText(amounts.sum(m_plannedSum));

    const auto projected = core::ComputeProjectedBalance(table, m_bookBalance, m_plannedSum);
    if (!projected)
        return projected.error();
    const QString date = projected->latestValueDate
                             ? QString::fromStdString(core::FormatDate(*projected->latestValueDate))
                             : QString();
    m_w.LSummeGes->setText(QStringLiteral("Kontostand am %1:").arg(date));
    m_w.EGesSumme->setText(amounts.sum(projected->total));
    m_w.LSummeGes->setVisible(projected->shown);
    m_w.EGesSumme->setVisible(projected->shown);

    const auto today = core::ComputeTodayBalance(table, m_state.today());
    if (!today)
        return today.error();
    m_w.LSummeH->setText(QStringLiteral("Heutiger Kontostand:"));
    m_w.STSummeH->setText(amounts.sum(*today));
    return {};
}

core::Result<void> LedgerRefresh::fillRunningBalances() {
    const auto balances =
        core::FillRunningBalances(m_state.table(), core::SortOrderFromSettings(m_state.settings()));
    if (!balances)
        return balances.error();
    const AmountDisplay amounts(m_state.settings());
    const auto write = [&amounts](widgets::StringGrid &grid,
                                  const std::vector<std::int64_t> &values) {
        const int col = grid.columnCount() - 1;
        grid.beginUpdate();
        for (std::size_t row = 0; row < values.size(); ++row)
            grid.setCell(col, static_cast<int>(row) + 1, amounts.balanceCell(values[row]));
        grid.endUpdate();
    };
    write(*m_w.Stringgrid1, balances->done);
    write(*m_w.StringGrid2, balances->planned);
    return {};
}

core::Result<void> LedgerRefresh::TakeOverCompletedWidths() {
    core::Settings &settings = m_state.settings();
    storeWidths(*m_w.Stringgrid1, CompletedColumns(settings), settings);
    return LayoutCompletedGrid();
}

void LedgerRefresh::TakeOverPlannedWidths() {
    core::Settings &settings = m_state.settings();
    storeWidths(*m_w.StringGrid2, PlannedColumns(settings), settings);
    LayoutPlannedGrid();
}

} // namespace penvaro::ledger
