#pragma once

#include "core/accountregister.h"
#include "core/search.h"
#include "printtarget.h"

#include <QObject>

#include <memory>

class QWidget;

namespace penvaro::platform {
class AppState;
class PrinterChoice;
} // namespace penvaro::platform

namespace penvaro::printing {

class BookingPrintDialog;
class EvaluationPrintDialog;

// Every printout of the program's windows: the booking list through its print dialog, the
// evaluation of a search through the evaluation print dialog, and the accounts overview. One
// object, made by the main window, holding the printer choice both dialogs share.
class PrintCommands : public QObject {
    Q_OBJECT

public:
    // Printouts go to the chosen printer, or to the given target (tests hand in one that
    // records them).
    PrintCommands(platform::AppState &state, QWidget *dialogParent, PrintTarget *target = nullptr);
    ~PrintCommands() override;

    // The main window's "Drucken": both tables ascending while the dialog is open, the
    // user's order afterwards.
    void printBookingList();
    // The search window's "Drucken", with the criteria of the search it shows.
    void printEvaluation(const core::SearchCriteria &criteria);
    // The accounts overview's "Drucken": the system's print dialog, then the list.
    void printAccountsOverview(const core::AccountRegister &accounts);
    // Any other window's printout: the system's print dialog, then the drawing.
    void printWithSystemDialog(const PrintTarget::Drawing &drawing);

    BookingPrintDialog &bookingDialog() { return *m_bookingDialog; }
    EvaluationPrintDialog &evaluationDialog() { return *m_evaluationDialog; }

private:
    platform::AppState &m_state;
    std::unique_ptr<platform::PrinterChoice> m_printers;
    std::unique_ptr<PrintTarget> m_chosenPrinter;
    std::unique_ptr<PrintTarget> m_configuredPrinter;
    PrintTarget *m_testTarget;
    BookingPrintDialog *m_bookingDialog;
    EvaluationPrintDialog *m_evaluationDialog;
};

} // namespace penvaro::printing
