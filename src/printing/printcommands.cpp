#include "printcommands.h"

#include "bookingprintdialog.h"
#include "evaluationprintdialog.h"
#include "printertarget.h"

#include "core/overviewprintout.h"
#include "platform/appstate.h"
#include "platform/printerchoice.h"
#include "platform/uiservice.h"
#include "widgets/localeseparators.h"

#include <QPrintDialog>

namespace penvaro::printing {

PrintCommands::PrintCommands(platform::AppState &state, QWidget *dialogParent, PrintTarget *target)
    : QObject(dialogParent)
    , m_state(state)
    , m_printers(std::make_unique<platform::PrinterChoice>())
    , m_chosenPrinter(
          std::make_unique<PrinterTarget>(*m_printers, state.ui(), PrinterTarget::Source::Current))
    , m_configuredPrinter(std::make_unique<PrinterTarget>(*m_printers, state.ui(),
                                                          PrinterTarget::Source::AsConfigured))
    , m_testTarget(target) {
    PrintTarget &listTarget = target ? *target : *m_chosenPrinter;
    m_bookingDialog = new BookingPrintDialog(state, *m_printers, listTarget, dialogParent);
    m_evaluationDialog = new EvaluationPrintDialog(state, *m_printers, listTarget, dialogParent);
}

PrintCommands::~PrintCommands() = default;

void PrintCommands::printBookingList() {
    core::Settings &settings = m_state.settings();
    const bool sort1 = settings.completedAscending;
    const bool sort2 = settings.plannedAscending;
    settings.completedAscending = true;
    settings.plannedAscending = true;
    core::SortBookingTable(m_state.table(), core::SortOrderFromSettings(settings));
    m_bookingDialog->run();
    // Only the two orders are put back: reloading every setting would drop whatever the
    // user changed since they were last saved.
    settings.completedAscending = sort1;
    settings.plannedAscending = sort2;
    m_state.announceBookingChange();
}

void PrintCommands::printEvaluation(const core::SearchCriteria &criteria) {
    // Balances are not printed in an evaluation; only this value is put back afterwards, for
    // the same reason as the orders of the booking list.
    core::Settings &settings = m_state.settings();
    const bool balances = settings.printBalanceColumn;
    settings.printBalanceColumn = false;
    m_evaluationDialog->run(criteria, m_bookingDialog->listChoices());
    settings.printBalanceColumn = balances;
}

void PrintCommands::printAccountsOverview(const core::AccountRegister &accounts) {
    const core::NumberSeparators separators = widgets::LocaleSeparators();
    printWithSystemDialog([&](core::Canvas &canvas) {
        return core::PrintAccountsOverview(canvas, accounts, m_state.today(), separators);
    });
}

void PrintCommands::printWithSystemDialog(const PrintTarget::Drawing &drawing) {
    QPrintDialog dialog(&m_printers->printer(), m_bookingDialog->parentWidget());
    dialog.setObjectName(QStringLiteral("PrintDialog1"));
    if (m_state.ui().runModal(dialog) != QDialog::Accepted)
        return;
    PrintTarget &target = m_testTarget ? *m_testTarget : *m_configuredPrinter;
    target.print(drawing);
}

} // namespace penvaro::printing
