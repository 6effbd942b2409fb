#include "bookinglistview.h"

#include "bookingcelldelegate.h"

#include "core/cp1252.h"
#include "platform/appstate.h"
#include "widgets/columnfit.h"
#include "widgets/rowtable.h"
#include "widgets/widesttext.h"

#include <QEvent>
#include <QHeaderView>

#include <algorithm>

namespace penvaro::ledger {
namespace {

BookingListModel::CharWidths charWidths(const QFontMetrics &metrics) {
    BookingListModel::CharWidths widths{};
    for (std::size_t byte = 0; byte < widths.size(); ++byte) {
        const char code = static_cast<char>(byte);
        widths[byte] = metrics.horizontalAdvance(
            QString::fromStdString(core::Cp1252ToUtf8(std::string_view(&code, 1))));
    }
    return widths;
}

// The widest text of a column, measured on the few rows that can hold it, which keeps a
// refresh of 65,535 rows quick. Where the font kerns, a text measures a pixel less than its
// characters' widths together; the cell's padding is more than that.
int widestText(const QFontMetrics &metrics, const BookingListModel::CharWidths &widths,
               const BookingListModel &model, int col) {
    int widest = 0;
    for (const int row : model.widestTextRows(col, widths))
        widest = std::max(widest, metrics.horizontalAdvance(model.text(row, col)));
    return widest;
}

} // namespace

BookingListView::BookingListView(platform::AppState &state, core::Listing listing, QWidget *parent)
    : QTableView(parent)
    , m_state(state)
    , m_model(new BookingListModel(state.table(), listing, this))
    , m_delegate(new BookingCellDelegate(this)) {
    setModel(m_model);
    setItemDelegate(m_delegate);
    widgets::SetUpRowTable(*this);
    // A range of bookings can be marked, as for a sum of them.
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    QPalette header = horizontalHeader()->palette();
    header.setColor(QPalette::Button, QColor(224, 224, 224));
    horizontalHeader()->setPalette(header);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int width) { columnResized(column, width); });
}

void BookingListView::reload(std::vector<std::int64_t> balances) {
    const QModelIndex current = currentIndex();
    const int previousRow = current.isValid() ? current.row() : -1;
    const int previousColumn = current.isValid() ? current.column() : 0;
    m_model->reload(m_state.settings(), std::move(balances));
    m_delegate->setBalanceColumn(m_model->columnOf(LedgerColumn::Kontostand));
    applyFontAndRowHeight();
    keepCurrentRow(previousRow, previousColumn);
    measure();
    fitColumns();
}

void BookingListView::applyFontAndRowHeight() {
    const core::Settings &settings = m_state.settings();
    setFont(QFont(QString::fromStdString(settings.tableFontName), settings.tableFontSize));
    const int rowHeight = m_model->listing() == core::Listing::Planned
                              ? settings.plannedRowHeight
                              : settings.completedRowHeight;
    widgets::SetRowHeight(*this, rowHeight);
}

void BookingListView::keepCurrentRow(int previousRow, int previousColumn) {
    // The first row after a load, or when the current one is gone.
    const int row = previousRow < 0 || previousRow >= m_model->rowCount() ? 0 : previousRow;
    const int column = std::min(previousColumn, m_model->columnCount() - 1);
    setCurrentIndex(m_model->index(row, std::max(column, 0)));
    if (m_model->listedCount() == 0)
        clearSelection();
    else
        selectRow(row);
}

int BookingListView::currentSlot() const {
    const QModelIndex current = currentIndex();
    return m_model->slotAt(current.isValid() ? current.row() : 0);
}

bool BookingListView::showSlot(int slot) {
    const int row = m_model->rowOf(slot);
    if (row < 0)
        return false;
    const QModelIndex current = currentIndex();
    const QModelIndex shown = m_model->index(row, current.isValid() ? current.column() : 0);
    setCurrentIndex(shown);
    selectRow(row);
    scrollTo(shown, QAbstractItemView::EnsureVisible);
    return true;
}

void BookingListView::measure() {
    const QFontMetrics metrics(font());
    const BookingListModel::CharWidths widths = charWidths(metrics);
    const auto &columns = m_model->columns();
    m_minimumWidths.assign(columns.size(), 0);
    for (std::size_t col = 0; col < columns.size(); ++col) {
        // Free text may give way, but never below its heading: a cut heading leaves the user
        // guessing which column is which, where a scroll bar does not.
        const widgets::ColumnFit fit = widgets::FitOf(columns[col].column);
        int widest = 0;
        if (fit == widgets::ColumnFit::WholeText)
            widest =
                widestText(metrics, widths, *m_model, static_cast<int>(col)) + widgets::CellPadding;
        // The header as the style draws it, its margins included.
        const int header = horizontalHeader()->sectionSizeHint(static_cast<int>(col));
        m_minimumWidths[col] = std::max(widest, header);
    }
}

void BookingListView::fitColumns() {
    const core::Settings &settings = m_state.settings();
    const auto &columns = m_model->columns();
    std::vector<widgets::ColumnNeed> needs;
    for (std::size_t col = 0; col < columns.size(); ++col) {
        const int minimum = col < m_minimumWidths.size() ? m_minimumWidths[col] : 0;
        needs.push_back({widgets::PreferredWidth(columns[col], settings), minimum,
                         widgets::FitOf(columns[col].column) == widgets::ColumnFit::Yields});
    }
    const auto widths = widgets::FitColumnWidths(needs, viewport()->width());
    m_fitting = true;
    for (std::size_t col = 0; col < widths.size(); ++col)
        setColumnWidth(static_cast<int>(col), widths[col]);
    m_fitting = false;
}

void BookingListView::columnResized(int column, int width) {
    const auto &columns = m_model->columns();
    // The first column's width is its own; every other one belongs to the file's settings.
    if (m_fitting || column <= 0 || column >= static_cast<int>(columns.size()))
        return;
    if (const auto setting = columns[static_cast<std::size_t>(column)].width)
        m_state.settings().*setting = width;
}

bool BookingListView::viewportEvent(QEvent *event) {
    // The columns follow the room the table has, whatever changed it.
    if (event->type() == QEvent::Resize)
        fitColumns();
    return QTableView::viewportEvent(event);
}

} // namespace penvaro::ledger
