#include "ledgerrefresh.h"

#include "amountdisplay.h"

#include "core/balances.h"
#include "core/date.h"
#include "platform/appstate.h"
#include "widgets/columnfit.h"
#include "widgets/stringgrid.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace penvaro::ledger {
namespace {

const QColor fixedCellColour(224, 224, 224);
const QColor balanceColour(128, 128, 128);
// Room a cell keeps beside its text: the painted margins and the grid line.
constexpr int cellPadding = 10;

int indexOf(const std::vector<ShownColumn> &columns, LedgerColumn column) {
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].column == column)
            return static_cast<int>(i);
    }
    return -1;
}

QFont tableFont(const core::Settings &settings) {
    return QFont(QString::fromStdString(settings.FontName), settings.FontSize);
}

// Writes columns, headers, alignments, colours and fonts into a grid.
void configureColumns(widgets::StringGrid &grid, const std::vector<ShownColumn> &columns,
                      const core::Settings &settings, int rowHeight) {
    const widgets::GridFont font{tableFont(settings), Qt::black};
    grid.setFont(font.font);
    grid.setColumnCount(static_cast<int>(columns.size()));
    grid.setDefaultRowHeight(rowHeight);
    grid.setFixedColor(fixedCellColour);
    grid.setColor(Qt::white);
    for (int col = 0; col < grid.columnCount(); ++col) {
        const ShownColumn &wanted = columns[static_cast<std::size_t>(col)];
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
        grid.setCell(col, 0, wanted.header);
    }
}

// A sum field grows with a long sum, so that no sum is ever cut off; it never shrinks back,
// so that the window does not jump while the sums change.
void showSum(QLineEdit *field, const QString &text) {
    field->setText(text);
    const int needed = field->fontMetrics().horizontalAdvance(text) + 12;
    if (needed > field->width())
        field->setFixedWidth(needed);
}

// The widest text of a column. Digits are of one width in the table fonts, so the longest
// texts are the widest: measuring a few of those keeps a refresh of 5000 rows quick.
int widestText(const QFontMetrics &metrics, const widgets::StringGrid &grid, int col) {
    constexpr int measured = 16;
    qsizetype longest = 0;
    for (int row = 1; row < grid.rowCount(); ++row)
        longest = std::max(longest, grid.cell(col, row).size());
    int widest = 0;
    int count = 0;
    for (int row = 1; row < grid.rowCount() && count < measured; ++row) {
        const QString text = grid.cell(col, row);
        if (text.size() == longest) {
            widest = std::max(widest, metrics.horizontalAdvance(text));
            ++count;
        }
    }
    return widest;
}

// The width the first column keeps when no setting holds it.
constexpr int firstColumnWidth = 75;

int preferredWidth(const ShownColumn &shown, const core::Settings &settings) {
    return shown.width ? settings.*shown.width : firstColumnWidth;
}

// Places a check box panel centred above its column of the grid.
void placeAbove(QWidget *panel, const widgets::StringGrid &grid, int column) {
    if (column < 0 || !panel->parentWidget())
        return;
    const int left = grid.frameWidth() + grid.horizontalHeader()->sectionViewportPosition(column);
    const int x = left + (grid.columnWidth(column) - panel->width()) / 2;
    const int rightmost = panel->parentWidget()->width() - panel->width();
    panel->move(std::clamp(x, 0, std::max(rightmost, 0)), 0);
}

} // namespace

LedgerRefresh::LedgerRefresh(platform::AppState &state, const LedgerWidgets &widgets)
    : m_state(state)
    , m_w(widgets) {}

const std::vector<int> &LedgerRefresh::rowSlots(core::Listing listing) const {
    switch (listing) {
    case core::Listing::Completed:
        return m_completed.rows;
    case core::Listing::Planned:
        return m_planned.rows;
    case core::Listing::Recurring:
        break;
    }
    return m_noSlots;
}

void LedgerRefresh::showOptions() {
    const core::Settings &settings = m_state.settings();
    const QString waehrung = QString::fromStdString(settings.Waehrung);
    m_w.RBnatBetrag->setText(waehrung);
    m_w.RBnatKontostand->setText(waehrung);
    const std::pair<QCheckBox *, bool> boxes[] = {
        {m_w.RBEuroBetrag, settings.euroBetrag},
        {m_w.RBnatBetrag, settings.natBetrag},
        {m_w.RBEuroKontostand, settings.euroKontostand},
        {m_w.RBnatKontostand, settings.natKontostand},
    };
    for (const auto &[box, checked] : boxes) {
        box->blockSignals(true);
        box->setChecked(checked);
        box->blockSignals(false);
    }
    m_w.RBEuroKontostand->setVisible(settings.SummeB);
    m_w.RBnatKontostand->setVisible(settings.SummeB);
    m_w.PSummeG->setVisible(settings.SummeGan);
    m_w.PSummeZ->setVisible(settings.SummeZan);
    m_w.PSummeL->setVisible(settings.SummeLan);
    m_w.GroupBox1->setTitle(QStringLiteral("Getätigte Buchungen - ") + m_state.currentFile());
}

core::Result<void> LedgerRefresh::refreshLedger() {
    const core::Settings &settings = m_state.settings();
    showOptions();
    m_completed.columns = CompletedColumns(settings);
    m_planned.columns = PlannedColumns(settings);
    m_completed.rows = core::ListedSlots(m_state.table(), core::Listing::Completed);
    m_planned.rows = core::ListedSlots(m_state.table(), core::Listing::Planned);
    fillGrid(*m_w.Stringgrid1, m_completed, settings.Tab1ZeiAbst);
    fillGrid(*m_w.StringGrid2, m_planned, settings.Tab2ZeiAbst);
    auto summed = computeSums();
    measure(*m_w.Stringgrid1, m_completed);
    measure(*m_w.StringGrid2, m_planned);
    fitColumns();
    return summed;
}

void LedgerRefresh::fillGrid(widgets::StringGrid &grid, GridContent &content, int rowHeight) {
    const AmountDisplay amounts(m_state.settings());
    const core::BookingTable &table = m_state.table();
    const auto &columns = content.columns;
    const auto cols = static_cast<int>(columns.size());
    const bool hadCurrentRow = grid.currentRow() > 0;
    grid.beginUpdate();
    configureColumns(grid, columns, m_state.settings(), rowHeight);
    // An empty grid keeps one empty row, so that it still looks like a table.
    grid.setRowCount(std::max(static_cast<int>(content.rows.size()) + 1, 2));
    grid.clearRow(1);
    int row = 0;
    for (int slot : content.rows) {
        const core::BookingRecord &r = table.slot(slot);
        ++row;
        if (r.Satzart == core::BookingKind::StartValue) {
            grid.clearRow(row);
            grid.setCell(0, row, QStringLiteral("Startwert"));
            continue;
        }
        for (int col = 0; col < cols; ++col)
            grid.setCell(col, row,
                         CellText(columns[static_cast<std::size_t>(col)].column, r, amounts));
    }
    grid.endUpdate();
    // The commands act on the current row: one is always shown, the first after a load.
    if (!hadCurrentRow || grid.currentRow() >= grid.rowCount())
        grid.setCurrentCell(0, 1);
    if (content.rows.empty())
        grid.clearSelection();
    else
        grid.selectRow(grid.currentRow() - 1);
}

core::Result<void> LedgerRefresh::computeSums() {
    const core::BookingTable &table = m_state.table();
    const AmountDisplay amounts(m_state.settings());
    const auto book = core::ComputeBookBalance(table);
    if (!book)
        return book.error();
    m_bookBalance = *book;
    showSum(m_w.ESumme, amounts.sum(m_bookBalance));
    if (auto planned = computePlannedSum(); !planned)
        return planned;
    if (m_state.settings().SummeB)
        return fillRunningBalances();
    return {};
}

core::Result<void> LedgerRefresh::computePlannedSum() {
    const core::BookingTable &table = m_state.table();
    const AmountDisplay amounts(m_state.settings());
    const auto planned = core::ComputePlannedSum(table);
    if (!planned)
        return planned.error();
    m_plannedSum = *planned;
    showSum(m_w.ESumme2, amounts.sum(m_plannedSum));

    const auto projected = core::ComputeProjectedBalance(table, m_bookBalance, m_plannedSum);
    if (!projected)
        return projected.error();
    const QString date = projected->latestValueDate
                             ? QString::fromStdString(core::FormatDate(*projected->latestValueDate))
                             : QString();
    m_w.LSummeGes->setText(QStringLiteral("Kontostand am %1:").arg(date));
    showSum(m_w.EGesSumme, amounts.sum(projected->total));
    m_w.LSummeGes->setVisible(projected->shown);
    m_w.EGesSumme->setVisible(projected->shown);

    const auto today = core::ComputeTodayBalance(table, m_state.today());
    if (!today)
        return today.error();
    m_w.LSummeH->setText(QStringLiteral("Heutiger Kontostand:"));
    m_w.STSummeH->setText(amounts.sum(*today));
    m_w.STSummeH->setAccessibleName(QStringLiteral("Heutiger Kontostand: ") + amounts.sum(*today));
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

void LedgerRefresh::measure(const widgets::StringGrid &grid, GridContent &content) const {
    const QFontMetrics metrics(grid.font());
    const auto cols = static_cast<int>(content.columns.size());
    content.minimumWidths.assign(content.columns.size(), 0);
    for (int col = 0; col < cols; ++col) {
        const ShownColumn &shown = content.columns[static_cast<std::size_t>(col)];
        const ColumnFit fit = FitOf(shown.column);
        if (fit == ColumnFit::Yields)
            continue;
        int widest = metrics.horizontalAdvance(shown.header);
        if (fit == ColumnFit::WholeText)
            widest = std::max(widest, widestText(metrics, grid, col));
        content.minimumWidths[static_cast<std::size_t>(col)] = widest + cellPadding;
    }
    // The currency boxes stand above their columns and must not overlap.
    if (&grid == m_w.Stringgrid1) {
        for (auto [column, panel] : {std::pair{LedgerColumn::Betrag, m_w.PBetrag},
                                     std::pair{LedgerColumn::Kontostand, m_w.PKontostand}}) {
            const int col = indexOf(content.columns, column);
            if (col >= 0) {
                int &minimum = content.minimumWidths[static_cast<std::size_t>(col)];
                minimum = std::max(minimum, panel->sizeHint().width());
            }
        }
    }
}

void LedgerRefresh::fitColumns() {
    fit(*m_w.Stringgrid1, m_completed);
    fit(*m_w.StringGrid2, m_planned);
    placeCurrencyBoxes();
}

void LedgerRefresh::fit(widgets::StringGrid &grid, const GridContent &content) {
    const core::Settings &settings = m_state.settings();
    std::vector<widgets::ColumnNeed> needs;
    for (std::size_t col = 0; col < content.columns.size(); ++col) {
        const ShownColumn &shown = content.columns[col];
        const int minimum = col < content.minimumWidths.size() ? content.minimumWidths[col] : 0;
        needs.push_back(
            {preferredWidth(shown, settings), minimum, FitOf(shown.column) == ColumnFit::Yields});
    }
    const auto widths = widgets::FitColumnWidths(needs, grid.viewport()->width());
    m_fitting = true;
    for (std::size_t col = 0; col < widths.size(); ++col)
        grid.setColumnWidth(static_cast<int>(col), widths[col]);
    m_fitting = false;
}

void LedgerRefresh::placeCurrencyBoxes() {
    placeAbove(m_w.PBetrag, *m_w.Stringgrid1, indexOf(m_completed.columns, LedgerColumn::Betrag));
    placeAbove(m_w.PKontostand, *m_w.Stringgrid1,
               indexOf(m_completed.columns, LedgerColumn::Kontostand));
}

void LedgerRefresh::columnResized(core::Listing listing, int column, int width) {
    if (m_fitting)
        return;
    GridContent &content = listing == core::Listing::Completed ? m_completed : m_planned;
    // The first column's width is its own; every other one belongs to the file's settings.
    if (column <= 0 || column >= static_cast<int>(content.columns.size()))
        return;
    if (const auto setting = content.columns[static_cast<std::size_t>(column)].width)
        m_state.settings().*setting = width;
    placeCurrencyBoxes();
}

} // namespace penvaro::ledger
