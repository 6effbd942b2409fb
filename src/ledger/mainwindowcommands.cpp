#include "mainwindow.h"

#include "entry/bookingeditdialog.h"
#include "entry/bookingentrydialog.h"
#include "entry/recurringbookingsdialog.h"
#include "entry/startvaluedialog.h"
#include "entry/suggestionlistsdialog.h"
#include "widgets/stringgrid.h"

#include "platform/appstate.h"
#include "platform/uiservice.h"

namespace penvaro::ledger {
namespace {

constexpr std::int32_t ErrorNothingToEditCompleted = 343;
constexpr std::int32_t ErrorNothingToEditPlanned = 344;
constexpr std::int32_t ErrorNothingToTransfer = 346;

const QString nothingToEdit = QStringLiteral("Keine zu bearbeitenden Daten! ");

// Grid commands act on the current row; without one, on the first.
int currentRow(const widgets::StringGrid &grid) {
    return std::max(grid.currentRow(), 1);
}

} // namespace

void MainWindow::enterCompleted() {
    if (ledgerVisible())
        m_entryDialog->showForKind(core::BookingKind::Completed);
}

void MainWindow::enterPlanned() {
    if (ledgerVisible())
        m_entryDialog->showForKind(core::BookingKind::Planned);
}

void MainWindow::enterStartValue() {
    if (ledgerVisible())
        m_startValueDialog->showFromCommand();
}

void MainWindow::editSuggestionLists() {
    m_suggestionsDialog->showModal();
}

void MainWindow::showRecurringBookings() {
    m_recurringDialog->showModal();
}

void MainWindow::editCompleted() {
    const widgets::StringGrid &grid = *m_w.Stringgrid1;
    if (!guardFirstRow(grid, ErrorNothingToEditCompleted, nothingToEdit) || !ledgerVisible())
        return;
    const int row = currentRow(grid);
    // The start value is changed only by entering it anew.
    if (grid.cell(0, row) == QStringLiteral("Startwert"))
        return;
    m_editDialog->editCompleted(row);
}

void MainWindow::editPlanned() {
    const widgets::StringGrid &grid = *m_w.StringGrid2;
    if (guardFirstRow(grid, ErrorNothingToEditPlanned, nothingToEdit) && ledgerVisible())
        m_editDialog->editPlanned(currentRow(grid));
}

void MainWindow::transferPlanned() {
    const widgets::StringGrid &grid = *m_w.StringGrid2;
    if (guardFirstRow(grid, ErrorNothingToTransfer,
                      QStringLiteral("Keine zu verschiebenden Daten! ")))
        m_editDialog->transferPlanned(currentRow(grid));
}

} // namespace penvaro::ledger
