#include "cellbookingsdialog.h"

#include "core/evaluationrows.h"
#include "evaluation/searchresultsmodel.h"
#include "platform/appstate.h"
#include "widgets/localeseparators.h"
#include "widgets/rowtable.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace penvaro::report {

CellBookingsDialog::CellBookingsDialog(platform::AppState &state, QWidget *parent)
    : QDialog(parent)
    , m_state(state) {
    setObjectName(QStringLiteral("TZellBuchungenF"));
    setModal(true);
    m_heading = new QLabel(this);
    m_heading->setObjectName(QStringLiteral("LZelle"));
    m_results = new evaluation::SearchResultsModel(this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("Stringgrid1"));
    m_table->setModel(m_results);
    widgets::SetUpRowTable(*m_table);
    m_heading->setBuddy(m_table);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *close =
        buttons->addButton(QStringLiteral("Schließen"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("BSchliessen"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_table, 1);
    layout->addWidget(buttons);
    resize(900, 400);
}

void CellBookingsDialog::showBookings(const QString &title, const std::vector<int> &bookingSlots,
                                      std::int64_t sum) {
    setWindowTitle(title);
    m_heading->setText(title);
    m_table->setAccessibleName(title);
    const core::Settings &settings = m_state.settings();
    m_table->setFont(QFont(QString::fromStdString(settings.FontName), settings.FontSize));
    widgets::SetRowHeight(*m_table, settings.Tab1ZeiAbst);
    m_results->setColumns(settings);
    m_results->setResult(m_state.table(), core::SearchResult{bookingSlots, sum},
                         core::EvaluationLayoutFromSettings(settings, widgets::LocaleSeparators()));
    m_table->resizeColumnsToContents();
}

} // namespace penvaro::report
