#pragma once

#include "core/balancecourse.h"
#include "core/canvas.h"
#include "core/result.h"
#include "core/yearreport.h"

#include <QDialog>

class QChartView;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableView;

namespace penvaro::platform {
class AppState;
} // namespace penvaro::platform

namespace penvaro::report {

class CellBookingsDialog;
class YearReportModel;

// "Jahresauswertung": where the money of a year went, per category or party and month, as a
// table, as stacked monthly bars and as the balance over the year with its projection.
class YearReportWindow : public QDialog {
    Q_OBJECT

public:
    explicit YearReportWindow(platform::AppState &state, QWidget *parent = nullptr);

    // Opens on today's year and shows the window modally.
    int showModal();
    // The year and grouping as the controls stand.
    int year() const;
    core::ReportGrouping grouping() const;

    // The printout of what the window shows: the table, then the two charts.
    core::Result<void> drawPrintout(core::Canvas &canvas) const;

    YearReportModel &model() const { return *m_model; }

Q_SIGNALS:
    // "Drucken": the main window prints drawPrintout through the print dialog.
    void printRequested();

private:
    void buildControls();
    void buildCharts();
    // Computes everything anew from the table, the year and the grouping.
    void refresh();
    void fitColumns();
    // As large as the window wants, within the screen.
    void fitToScreen();
    // Created when a cell is first opened.
    CellBookingsDialog &cellBookings();
    void showCell(const QModelIndex &index);
    void saveCsv();
    void savePng(QChartView &view, const QString &what);

    platform::AppState &m_state;
    QSpinBox *m_year = nullptr;
    QRadioButton *m_byCategory = nullptr;
    QRadioButton *m_byParty = nullptr;
    YearReportModel *m_model = nullptr;
    QTableView *m_table = nullptr;
    QChartView *m_flowsView = nullptr;
    QChartView *m_courseView = nullptr;
    QLabel *m_problem = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_csv = nullptr;
    QHBoxLayout *m_commands = nullptr;
    CellBookingsDialog *m_cellBookings = nullptr;
    core::MonthlyFlows m_flows;
    core::BalanceCourse m_course;
};

} // namespace penvaro::report
