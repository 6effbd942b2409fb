#pragma once

#include "listoptions.h"

#include "core/search.h"

#include <QDialog>

namespace penvaro::platform {
class AppState;
class PrinterChoice;
} // namespace penvaro::platform

namespace penvaro::printing {

class CurrencyBox;
class PrintTarget;
class PrinterBox;
class TitleBox;

// "Drucken einer erstellten Auswertung": printer, currency and titles of the printout of a
// search. Created once; the currency choice survives from one opening to the next.
class EvaluationPrintDialog : public QDialog {
    Q_OBJECT

public:
    EvaluationPrintDialog(platform::AppState &state, platform::PrinterChoice &printers,
                          PrintTarget &target, QWidget *parent = nullptr);

    // Shows the dialog modally for a search with these criteria, printed with the booking
    // list's column and header choices; this dialog offers none of its own.
    void run(const core::SearchCriteria &criteria, const ListChoices &listChoices);

private:
    void printEvaluation();

    platform::AppState &m_state;
    PrintTarget &m_target;
    ListChoices m_listChoices;
    PrinterBox *m_printerBox;
    CurrencyBox *m_currency;
    TitleBox *m_titles;
    core::SearchCriteria m_criteria;
};

} // namespace penvaro::printing
