#include "cellbookingsdialog.h"

#include "core/evaluationrows.h"
#include "evaluation/searchresultsmodel.h"
#include "platform/appstate.h"
#include "widgets/localeseparators.h"
#include "widgets/rowtable.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
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
    m_sum = new QLineEdit(this);
    m_sum->setObjectName(QStringLiteral("ESumme"));
    m_sum->setReadOnly(true);
    m_sum->setAlignment(Qt::AlignRight);
    m_sum->setAccessibleName(QStringLiteral("Summe"));
    auto *sumLabel = new QLabel(QStringLiteral("Summe:"), this);
    sumLabel->setObjectName(QStringLiteral("LSumme"));
    sumLabel->setBuddy(m_sum);
    auto *sumRow = new QHBoxLayout;
    sumRow->addStretch();
    sumRow->addWidget(sumLabel);
    sumRow->addWidget(m_sum);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_table, 1);
    layout->addLayout(sumRow);
    layout->addWidget(buttons);
    resize(900, 400);
}

void CellBookingsDialog::showBookings(const QString &title, const std::vector<int> &bookingSlots,
                                      std::int64_t sum) {
    setWindowTitle(title);
    m_heading->setText(title);
    m_table->setAccessibleName(title);
    const core::Settings &settings = m_state.settings();
    m_table->setFont(QFont(QString::fromStdString(settings.tableFontName), settings.tableFontSize));
    widgets::SetRowHeight(*m_table, settings.completedRowHeight);
    m_results->setColumns(settings);
    const auto layout = core::EvaluationLayoutFromSettings(settings, widgets::LocaleSeparators());
    // The cells count completed bookings only, so the whole sum is booked.
    m_results->setResult(m_state.table(), core::SearchResult{bookingSlots, sum, 0}, layout);
    m_sum->setText(bookingSlots.empty()
                       ? QString()
                       : QString::fromStdString(core::EvaluationAmountText(sum, layout)));
    m_sum->setCursorPosition(0);
    m_table->resizeColumnsToContents();
}

} // namespace penvaro::report
