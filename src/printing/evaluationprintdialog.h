#pragma once

#include "listoptions.h"

#include "core/search.h"

#include <QDialog>

#include <functional>

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
    // The column and header choices come from the booking print dialog at the moment of
    // printing.
    EvaluationPrintDialog(platform::AppState &state, platform::PrinterChoice &printers,
                          PrintTarget &target, std::function<ListChoices()> listChoices,
                          QWidget *parent = nullptr);

    // Shows the dialog modally for a search with these criteria.
    void run(const core::SearchCriteria &criteria);

private:
    void printEvaluation();

    platform::AppState &m_state;
    PrintTarget &m_target;
    std::function<ListChoices()> m_listChoices;
    PrinterBox *m_printerBox;
    CurrencyBox *m_currency;
    TitleBox *m_titles;
    core::SearchCriteria m_criteria;
};

} // namespace penvaro::printing
