#include "impstringgrid.h"

#include "impgriddelegate.h"
#include "impgridheader.h"
#include "impgridmodel.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace penvaro::ledger {

TImpStringgrid::TImpStringgrid(QWidget *parent)
    : QTableView(parent)
    , m_model(new ImpGridModel(this))
    , m_color(palette().color(QPalette::Base))
    , m_fixedColor(palette().color(QPalette::Button))
    , m_fontColor(palette().color(QPalette::Text)) {
    setModel(m_model);
    setHorizontalHeader(new ImpGridHeader(this));
    setItemDelegate(new ImpGridDelegate(this));
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setDefaultSectionSize(m_defaultColWidth);
    setWordWrap(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    horizontalHeader()->viewport()->installEventFilter(this);
    for (int col = 0; col < m_model->colCount(); ++col)
        m_columns.push_back(std::make_unique<TImpColumn>(this));
    setDefaultRowHeight(m_defaultRowHeight);
    setOptions({});
}

TImpStringgrid::~TImpStringgrid() = default;

int TImpStringgrid::ColCount() const {
    return m_model->colCount();
}

void TImpStringgrid::setColCount(int count) {
    while (static_cast<int>(m_columns.size()) < count)
        m_columns.push_back(std::make_unique<TImpColumn>(this));
    while (static_cast<int>(m_columns.size()) > std::max(count, 1))
        m_columns.pop_back();
    m_model->setColCount(count);
}

int TImpStringgrid::RowCount() const {
    return m_model->gridRowCount();
}

void TImpStringgrid::setRowCount(int count) {
    m_model->setGridRowCount(count);
}

void TImpStringgrid::setFixedCols(int count) {
    m_fixedCols = count;
    m_model->setFixedCols(count);
    viewport()->update();
}

QString TImpStringgrid::Cells(int col, int row) const {
    return m_model->cell(col, row);
}

void TImpStringgrid::setCell(int col, int row, const QString &text) {
    m_model->setCell(col, row, text);
}

void TImpStringgrid::clearRow(int row) {
    m_model->clearGridRow(row);
}

int TImpStringgrid::ColWidths(int col) const {
    return horizontalHeader()->sectionSize(col);
}

void TImpStringgrid::setColWidths(int col, int width) {
    horizontalHeader()->resizeSection(col, width);
}

void TImpStringgrid::setDefaultRowHeight(int height) {
    m_defaultRowHeight = height;
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(height);
    horizontalHeader()->setFixedHeight(height);
}

void TImpStringgrid::setColor(const QColor &color) {
    m_color = color;
    viewport()->update();
}

void TImpStringgrid::setFixedColor(const QColor &color) {
    m_fixedColor = color;
    viewport()->update();
    horizontalHeader()->viewport()->update();
}

void TImpStringgrid::setFontColor(const QColor &color) {
    m_fontColor = color;
    viewport()->update();
}

void TImpStringgrid::setOptions(Options options) {
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

int TImpStringgrid::Col() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.column() : m_fixedCols;
}

int TImpStringgrid::Row() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

void TImpStringgrid::setCurrentCell(int col, int row) {
    setCurrentIndex(m_model->index(row - 1, col));
}

std::vector<int> TImpStringgrid::selectedRows() const {
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

void TImpStringgrid::beginUpdate() {
    m_model->beginBulkUpdate();
}

void TImpStringgrid::endUpdate() {
    m_model->endBulkUpdate();
}

void TImpStringgrid::keyPressEvent(QKeyEvent *event) {
    const bool plainTab = event->key() == Qt::Key_Tab
                          && !(event->modifiers() & (Qt::AltModifier | Qt::ShiftModifier));
    if (plainTab && tabKeyNavigation() && Col() == ColCount() - 1 && Row() == RowCount() - 1) {
        const int gridLineWidth = showGrid() ? 1 : 0;
        if ((RowCount() + 1) * (m_defaultRowHeight + gridLineWidth) > height()) {
            if (!m_tooManyRowsReported)
                Q_EMIT OnTooMuchrows(this);
            m_tooManyRowsReported = true;
        } else {
            m_tooManyRowsReported = false;
        }
        setRowCount(RowCount() + 1);
        Q_EMIT OnNewRow(this);
        clearRow(RowCount() - 1);
    }
    QTableView::keyPressEvent(event);
}

void TImpStringgrid::mouseReleaseEvent(QMouseEvent *event) {
    QTableView::mouseReleaseEvent(event);
    Q_EMIT OnMouseUp(this);
}

bool TImpStringgrid::eventFilter(QObject *watched, QEvent *event) {
    if (watched == horizontalHeader()->viewport() && event->type() == QEvent::MouseButtonRelease)
        Q_EMIT OnMouseUp(this);
    return QTableView::eventFilter(watched, event);
}

} // namespace penvaro::ledger
