#include "stringgrid.h"

#include "griddelegate.h"
#include "gridheader.h"
#include "gridmodel.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace penvaro::widgets {

StringGrid::StringGrid(QWidget *parent)
    : QTableView(parent)
    , m_model(new GridModel(this))
    , m_color(palette().color(QPalette::Base))
    , m_fixedColor(palette().color(QPalette::Button))
    , m_fontColor(palette().color(QPalette::Text)) {
    setModel(m_model);
    setHorizontalHeader(new GridHeader(this));
    setItemDelegate(new GridDelegate(this));
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setDefaultSectionSize(m_defaultColWidth);
    setWordWrap(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    horizontalHeader()->viewport()->installEventFilter(this);
    for (int col = 0; col < m_model->colCount(); ++col)
        m_columns.push_back(std::make_unique<GridColumn>(this));
    setDefaultRowHeight(m_defaultRowHeight);
    setOptions({});
}

StringGrid::~StringGrid() = default;

int StringGrid::columnCount() const {
    return m_model->colCount();
}

void StringGrid::setColumnCount(int count) {
    while (static_cast<int>(m_columns.size()) < count)
        m_columns.push_back(std::make_unique<GridColumn>(this));
    while (static_cast<int>(m_columns.size()) > std::max(count, 1))
        m_columns.pop_back();
    m_model->setColumnCount(count);
}

int StringGrid::rowCount() const {
    return m_model->gridRowCount();
}

void StringGrid::setRowCount(int count) {
    m_model->setGridRowCount(count);
}

void StringGrid::setFixedColumns(int count) {
    m_fixedCols = count;
    m_model->setFixedColumns(count);
    viewport()->update();
}

QString StringGrid::cell(int col, int row) const {
    return m_model->cell(col, row);
}

void StringGrid::setCell(int col, int row, const QString &text) {
    m_model->setCell(col, row, text);
}

void StringGrid::clearRow(int row) {
    m_model->clearGridRow(row);
}

void StringGrid::setDefaultRowHeight(int height) {
    m_defaultRowHeight = height;
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(height);
    horizontalHeader()->setFixedHeight(height);
}

void StringGrid::setColor(const QColor &color) {
    m_color = color;
    viewport()->update();
}

void StringGrid::setFixedColor(const QColor &color) {
    m_fixedColor = color;
    viewport()->update();
    horizontalHeader()->viewport()->update();
}

void StringGrid::setFontColor(const QColor &color) {
    m_fontColor = color;
    viewport()->update();
}

void StringGrid::setOptions(Options options) {
    m_options = options;
    m_model->setEditable(options.testFlag(Editing));
    setEditTriggers(options.testFlag(Editing) ? QAbstractItemView::AllEditTriggers
                                              : QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(options.testFlag(Tabs));
    setSelectionBehavior(options.testFlag(RowSelect) ? QAbstractItemView::SelectRows
                                                     : QAbstractItemView::SelectItems);
    setSelectionMode(options.testFlag(RangeSelect) ? QAbstractItemView::ContiguousSelection
                                                   : QAbstractItemView::SingleSelection);
}

int StringGrid::currentColumn() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.column() : m_fixedCols;
}

int StringGrid::currentRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

void StringGrid::setCurrentCell(int col, int row) {
    setCurrentIndex(m_model->index(row - 1, col));
}

std::vector<int> StringGrid::selectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex &index : selectionModel()->selectedRows())
        rows.push_back(index.row() + 1);
    if (rows.empty() && selectionBehavior() != QAbstractItemView::SelectRows) {
        for (const QModelIndex &index : selectionModel()->selectedIndexes())
            rows.push_back(index.row() + 1);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void StringGrid::beginUpdate() {
    m_model->beginBulkUpdate();
}

void StringGrid::endUpdate() {
    m_model->endBulkUpdate();
}

void StringGrid::keyPressEvent(QKeyEvent *event) {
    const bool plainTab = event->key() == Qt::Key_Tab
                          && !(event->modifiers() & (Qt::AltModifier | Qt::ShiftModifier));
    if (plainTab && tabKeyNavigation() && currentColumn() == columnCount() - 1
        && currentRow() == rowCount() - 1) {
        const int gridLineWidth = showGrid() ? 1 : 0;
        if ((rowCount() + 1) * (m_defaultRowHeight + gridLineWidth) > height()) {
            if (!m_tooManyRowsReported)
                Q_EMIT tooManyRows();
            m_tooManyRowsReported = true;
        } else {
            m_tooManyRowsReported = false;
        }
        setRowCount(rowCount() + 1);
        Q_EMIT rowAppended();
        clearRow(rowCount() - 1);
    }
    QTableView::keyPressEvent(event);
}

void StringGrid::mouseReleaseEvent(QMouseEvent *event) {
    QTableView::mouseReleaseEvent(event);
    Q_EMIT mouseReleased();
}

bool StringGrid::eventFilter(QObject *watched, QEvent *event) {
    if (watched == horizontalHeader()->viewport() && event->type() == QEvent::MouseButtonRelease)
        Q_EMIT mouseReleased();
    return QTableView::eventFilter(watched, event);
}

} // namespace penvaro::widgets
