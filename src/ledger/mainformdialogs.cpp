#include "tmainform.h"

#include "grid/impstringgrid.h"

#include "platform/appstate.h"
#include "platform/uiservice.h"

#include <QAction>
#include <QToolButton>

namespace penvaro::ledger {
namespace {

constexpr std::int32_t ErrorNothingToEditCompleted = 343;
constexpr std::int32_t ErrorNothingToEditPlanned = 344;
constexpr std::int32_t ErrorNothingToTransfer = 346;

const QString nothingToEdit = QStringLiteral("Keine zu bearbeitenden Daten! ");

// Grid commands act on the current row; without one, on the first.
int currentRow(const TImpStringgrid &grid) {
    return std::max(grid.Row(), 1);
}

} // namespace

void TMainForm::enableCommand(const char *objectName, void (TMainForm::*command)()) {
    for (QObject *control : findChildren<QObject *>(QString::fromLatin1(objectName))) {
        if (auto *action = qobject_cast<QAction *>(control)) {
            action->setEnabled(true);
            action->setToolTip({});
            connect(action, &QAction::triggered, this, command);
        } else if (auto *button = qobject_cast<QToolButton *>(control)) {
            button->setEnabled(true);
            button->setToolTip({});
            connect(button, &QToolButton::clicked, this, command);
        }
    }
}

void TMainForm::setBookingDialogs(BookingDialogs dialogs) {
    m_dialogs = std::move(dialogs);
    if (m_dialogs.enter) {
        for (const char *name : {"SBDatenNeu", "PEingeben1"})
            enableCommand(name, &TMainForm::EnterCompleted);
        for (const char *name : {"SBDatenBNeu2", "PEingeben2"})
            enableCommand(name, &TMainForm::EnterPlanned);
    }
    if (m_dialogs.startValue)
        enableCommand("PStartwert1", &TMainForm::StartValueCommand);
    if (m_dialogs.suggestions) {
        for (const char *name : {"VAEB1", "Verwendungszwecke1", "lschen1"})
            enableCommand(name, &TMainForm::SuggestionsCommand);
    }
    if (m_dialogs.recurring)
        enableCommand("Monthly1", &TMainForm::RecurringCommand);
    if (m_dialogs.editCompleted) {
        for (const char *name : {"SBAendern", "PBearbeiten1"})
            enableCommand(name, &TMainForm::EditCompleted);
        connect(m_w.Stringgrid1, &QAbstractItemView::doubleClicked, this,
                &TMainForm::EditCompleted);
    }
    if (m_dialogs.editPlanned) {
        for (const char *name : {"SBDatenBearbeiten2", "PBearbeiten2"})
            enableCommand(name, &TMainForm::EditPlanned);
    }
    if (m_dialogs.transferPlanned) {
        for (const char *name : {"SBDatenVerschieben", "PUebertragen2"})
            enableCommand(name, &TMainForm::TransferPlanned);
        connect(m_w.StringGrid2, &QAbstractItemView::doubleClicked, this,
                &TMainForm::TransferPlanned);
    }
}

void TMainForm::EnterCompleted() {
    if (ledgerVisible())
        m_dialogs.enter(core::BookingKind::Completed);
}

void TMainForm::EnterPlanned() {
    if (ledgerVisible())
        m_dialogs.enter(core::BookingKind::Planned);
}

void TMainForm::StartValueCommand() {
    if (ledgerVisible())
        m_dialogs.startValue();
}

void TMainForm::SuggestionsCommand() {
    m_dialogs.suggestions();
}

void TMainForm::RecurringCommand() {
    m_dialogs.recurring();
}

void TMainForm::EditCompleted() {
    const TImpStringgrid &grid = *m_w.Stringgrid1;
    if (!guardFirstRow(grid, ErrorNothingToEditCompleted, nothingToEdit) || !ledgerVisible())
        return;
    const int row = currentRow(grid);
    // The start value is changed only by entering it anew.
    if (grid.Cells(0, row) == QStringLiteral("Startwert"))
        return;
    m_dialogs.editCompleted(row);
}

void TMainForm::EditPlanned() {
    const TImpStringgrid &grid = *m_w.StringGrid2;
    if (guardFirstRow(grid, ErrorNothingToEditPlanned, nothingToEdit) && ledgerVisible())
        m_dialogs.editPlanned(currentRow(grid));
}

void TMainForm::TransferPlanned() {
    const TImpStringgrid &grid = *m_w.StringGrid2;
    if (guardFirstRow(grid, ErrorNothingToTransfer,
                      QStringLiteral("Keine zu verschiebenden Daten! ")))
        m_dialogs.transferPlanned(currentRow(grid));
}

} // namespace penvaro::ledger
