#include "yearreportwindow.h"

#include "cellbookingsdialog.h"
#include "reportcharts.h"
#include "yearreportmodel.h"

#include "core/date.h"
#include "core/yearreportcsv.h"
#include "core/yearreportprintout.h"
#include "ledger/amountdisplay.h"
#include "platform/appstate.h"
#include "platform/chosenfilename.h"
#include "platform/filewrite.h"
#include "platform/uiservice.h"
#include "widgets/commandbutton.h"
#include "widgets/localeseparators.h"
#include "widgets/manual.h"
#include "widgets/rowtable.h"

#include <QButtonGroup>
#include <QChartView>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace penvaro::report {
namespace {

// Enter in the year field must not press a command.
QPushButton *button(QWidget *parent, const char *name, const QString &caption,
                    const QString &hint) {
    QPushButton *b = widgets::DialogButton(parent, name, caption, hint);
    b->setAutoDefault(false);
    return b;
}

int yearOf(double day) {
    const auto date = core::CivilFromDayCount(day);
    return date ? date->year : 2000;
}

QString groupCaption(core::ReportGrouping grouping) {
    return grouping == core::ReportGrouping::Category ? QStringLiteral("Kategorie")
                                                      : QStringLiteral("Empfänger/Absender");
}

} // namespace

YearReportWindow::YearReportWindow(platform::AppState &state, QWidget *parent)
    : QDialog(parent, Qt::Window)
    , m_state(state) {
    setObjectName(QStringLiteral("JahresauswertungF"));
    setWindowTitle(QStringLiteral("Jahresauswertung"));
    setModal(true);
    buildControls();
    buildCharts();
    connect(&m_state, &platform::AppState::bookingsChanged, this, [this] {
        if (isVisible())
            refresh();
    });
}

void YearReportWindow::buildControls() {
    m_year = new QSpinBox(this);
    m_year->setObjectName(QStringLiteral("EJahr"));
    m_year->setRange(1900, 9999);
    m_year->setAccessibleName(QStringLiteral("Jahr"));
    auto *yearLabel = new QLabel(QStringLiteral("&Jahr"), this);
    yearLabel->setBuddy(m_year);
    m_byCategory = new QRadioButton(QStringLiteral("nach &Kategorie"), this);
    m_byCategory->setObjectName(QStringLiteral("RBKategorie"));
    m_byParty = new QRadioButton(QStringLiteral("nach &Empfänger/Absender"), this);
    m_byParty->setObjectName(QStringLiteral("RBAbsender"));
    auto *group = new QButtonGroup(this);
    group->addButton(m_byCategory);
    group->addButton(m_byParty);
    m_byCategory->setChecked(true);
    connect(m_year, &QSpinBox::valueChanged, this, [this] { refresh(); });
    connect(m_byCategory, &QRadioButton::toggled, this, [this] { refresh(); });

    m_model = new YearReportModel(this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("TabelleJahr"));
    m_table->setModel(m_model);
    widgets::SetUpRowTable(*m_table);
    m_table->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_table->setToolTip(QStringLiteral("Doppelklick zeigt die Buchungen einer Summe"));
    // Activation is the double click, or Enter on the current cell.
    connect(m_table, &QTableView::activated, this, &YearReportWindow::showCell);

    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("LFehler"));
    m_problem->setWordWrap(true);
    m_problem->hide();

    auto *controls = new QHBoxLayout;
    controls->addWidget(yearLabel);
    controls->addWidget(m_year);
    controls->addSpacing(16);
    controls->addWidget(m_byCategory);
    controls->addWidget(m_byParty);
    controls->addStretch();

    m_print = button(this, "BDrucken", QStringLiteral("&Drucken"),
                     QStringLiteral("Tabelle und Diagramme drucken"));
    m_csv = button(this, "BCSV", QStringLiteral("Als &CSV speichern"),
                   QStringLiteral("Die Tabelle für eine Tabellenkalkulation speichern"));
    QPushButton *close = button(this, "BSchliessen", QStringLiteral("Schließen"),
                                QStringLiteral("Fenster Schließen"));
    QPushButton *help =
        button(this, "BHilfe", QStringLiteral("Hilfe"), QStringLiteral("Hilfe aufrufen"));
    connect(m_print, &QPushButton::clicked, this, &YearReportWindow::printRequested);
    connect(m_csv, &QPushButton::clicked, this, &YearReportWindow::saveCsv);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(help, &QPushButton::clicked, this, [this] { widgets::OpenManual(m_state.ui()); });
    // The commands in a row of their own below, so that a narrow screen keeps all of them.
    m_commands = new QHBoxLayout;
    m_commands->addWidget(m_print);
    m_commands->addWidget(m_csv);
    m_commands->addStretch();
    m_commands->addWidget(help);
    m_commands->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(m_problem);
}

void YearReportWindow::buildCharts() {
    auto chartPanel = [this](QChartView *&view, const char *name, const char *pngName,
                             const QString &what) {
        auto *panel = new QWidget(this);
        view = new QChartView(panel);
        view->setObjectName(QString::fromLatin1(name));
        view->setRenderHint(QPainter::Antialiasing);
        view->setAccessibleName(what);
        view->setFocusPolicy(Qt::StrongFocus);
        view->setMinimumHeight(160);
        QPushButton *png = button(panel, pngName, QStringLiteral("Als PNG speichern"),
                                  what + QStringLiteral(" als Bild speichern"));
        png->setAccessibleName(what + QStringLiteral(" als PNG speichern"));
        connect(png, &QPushButton::clicked, this, [this, &view, what] { savePng(*view, what); });
        auto *layout = new QVBoxLayout(panel);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(view, 1);
        layout->addWidget(png, 0, Qt::AlignRight);
        return panel;
    };
    auto *charts = new QSplitter(Qt::Horizontal, this);
    charts->addWidget(chartPanel(m_flowsView, "ChartMonate", "BMonatePNG",
                                 QStringLiteral("Ausgaben und Einnahmen je Monat")));
    charts->addWidget(chartPanel(m_courseView, "ChartVerlauf", "BVerlaufPNG",
                                 QStringLiteral("Kontostand im Jahresverlauf")));
    // The bars carry a legend of up to ten names beside them.
    charts->setStretchFactor(0, 3);
    charts->setStretchFactor(1, 2);
    auto *split = new QSplitter(Qt::Vertical, this);
    split->setObjectName(QStringLiteral("SplitterJahr"));
    split->addWidget(m_table);
    split->addWidget(charts);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 3);
    split->setChildrenCollapsible(false);
    auto *layout = qobject_cast<QVBoxLayout *>(this->layout());
    layout->addWidget(split, 1);
    layout->addLayout(m_commands);
}

int YearReportWindow::showModal() {
    {
        const QSignalBlocker blocker(m_year);
        m_year->setValue(yearOf(m_state.today()));
    }
    refresh();
    fitToScreen();
    return m_state.ui().runModal(*this);
}

int YearReportWindow::year() const {
    return m_year->value();
}

core::ReportGrouping YearReportWindow::grouping() const {
    return m_byParty->isChecked() ? core::ReportGrouping::Party : core::ReportGrouping::Category;
}

void YearReportWindow::refresh() {
    const core::BookingTable &table = m_state.table();
    const ledger::AmountDisplay amounts(m_state.settings());
    auto report = core::BuildYearReport(table, year(), grouping());
    auto flows = core::BuildMonthlyFlows(table, year(), grouping());
    auto course = core::BuildBalanceCourse(table, year(), m_state.today());
    const core::Error *failure = !report   ? &report.error()
                                 : !flows  ? &flows.error()
                                 : !course ? &course.error()
                                           : nullptr;
    m_problem->setVisible(failure != nullptr);
    // Nothing to save or print but figures that would be wrong.
    m_print->setEnabled(failure == nullptr);
    m_csv->setEnabled(failure == nullptr);
    if (failure) {
        // The window stays usable for another year; the figures of this one cannot be shown.
        m_problem->setText(QString::fromStdString(failure->message));
        m_model->clear();
        m_flows = {};
        m_course = {};
    } else {
        m_model->setReport(std::move(*report), amounts);
        m_flows = std::move(*flows);
        m_course = std::move(*course);
    }

    const core::Settings &settings = m_state.settings();
    m_table->setFont(QFont(QString::fromStdString(settings.tableFontName), settings.tableFontSize));
    widgets::SetRowHeight(*m_table, settings.completedRowHeight);
    fitColumns();
    m_table->setAccessibleName(
        QStringLiteral("Summen %1 nach %2 und Monat").arg(year()).arg(groupCaption(grouping())));

    // A chart view lets go of its previous chart without deleting it.
    for (auto [view, chart] : {std::pair{m_flowsView, MonthlyFlowsChart(m_flows)},
                               std::pair{m_courseView, BalanceCourseChart(m_course)}}) {
        QChart *previous = view->chart();
        view->setChart(chart);
        delete previous;
    }
    m_flowsView->setAccessibleDescription(DescribeMonthlyFlows(m_flows, amounts));
    m_courseView->setAccessibleDescription(DescribeBalanceCourse(m_course, amounts));
}

void YearReportWindow::fitToScreen() {
    QSize wanted(1200, 720);
    if (const QScreen *shown = screen())
        wanted = wanted.boundedTo(shown->availableGeometry().size());
    resize(wanted.expandedTo(minimumSizeHint()));
}

void YearReportWindow::fitColumns() {
    // Measured over every row: the view's own fitting looks only at the rows on screen.
    const QFontMetrics metrics(m_table->font());
    const QFontMetrics headerMetrics(m_table->horizontalHeader()->font());
    const int padding = 2 * metrics.averageCharWidth() + 4;
    for (int column = 0; column < m_model->columnCount(); ++column) {
        int width = headerMetrics.horizontalAdvance(
            m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
        for (int row = 0; row < m_model->rowCount(); ++row)
            width = std::max(
                width, metrics.horizontalAdvance(m_model->index(row, column).data().toString()));
        m_table->setColumnWidth(column, width + padding);
    }
}

CellBookingsDialog &YearReportWindow::cellBookings() {
    if (!m_cellBookings)
        m_cellBookings = new CellBookingsDialog(m_state, this);
    return *m_cellBookings;
}

void YearReportWindow::showCell(const QModelIndex &index) {
    if (!index.isValid())
        return;
    const auto group = m_model->groupOf(index.row());
    const auto month = m_model->monthOf(index.column());
    const std::vector<int> found =
        core::YearReportSlots(m_state.table(), year(), grouping(), group, month);
    const QString what = group ? QString::fromStdString(*group) : QStringLiteral("Alle Buchungen");
    const QString when = month ? QStringLiteral("%1 %2").arg(MonthName(*month)).arg(year())
                               : QString::number(year());
    cellBookings().showBookings(QStringLiteral("%1 – %2").arg(what, when), found,
                                m_model->amountAt(index.row(), index.column()));
    m_state.ui().runModal(cellBookings());
}

void YearReportWindow::saveCsv() {
    const QString type = QStringLiteral("CSV-Datei (*.csv)");
    const QString path = platform::WithChosenExtension(
        m_state.ui().saveFileName(QStringLiteral("Auswertung als CSV speichern"), type), type);
    if (path.isEmpty())
        return;
    const std::string text = core::YearReportCsv(m_model->report());
    // A report is a document like any other of the user: the umask decides who reads it.
    core::WriteOptions options;
    options.newFileMode = 0666;
    platform::ReportFailure(
        m_state.ui(), platform::WriteWholeFile(path, QByteArray::fromStdString(text), options));
}

void YearReportWindow::savePng(QChartView &view, const QString &what) {
    const QString type = QStringLiteral("PNG-Bild (*.png)");
    const QString path = platform::WithChosenExtension(
        m_state.ui().saveFileName(what + QStringLiteral(" als PNG speichern"), type), type);
    if (path.isEmpty())
        return;
    platform::ReportFailure(m_state.ui(), platform::WritePngFile(path, view.grab().toImage()));
}

core::Result<void> YearReportWindow::drawPrintout(core::Canvas &canvas) const {
    const core::Settings &settings = m_state.settings();
    core::YearReportPrintOptions options;
    options.title = QStringLiteral("Jahresauswertung %1 nach %2 – %3")
                        .arg(year())
                        .arg(groupCaption(grouping()), QFileInfo(m_state.currentFile()).fileName())
                        .toStdString();
    options.separators = widgets::LocaleSeparators();
    if (!settings.amountsInEuro)
        options.national = core::NationalCurrencyFromSettings(settings);
    return core::PrintYearReport(canvas, m_model->report(), m_flows, m_course, options);
}

} // namespace penvaro::report
