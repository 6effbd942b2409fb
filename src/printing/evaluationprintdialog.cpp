#include "evaluationprintdialog.h"

#include "currencybox.h"
#include "okcancelrow.h"
#include "printerbox.h"
#include "printtarget.h"
#include "titlebox.h"

#include "core/evaluationprintout.h"
#include "platform/appstate.h"
#include "platform/uiservice.h"
#include "widgets/dialogflags.h"

#include <QGridLayout>
#include <QHBoxLayout>

namespace penvaro::printing {
namespace {

constexpr std::int32_t ErrorNothingExact = 531;
constexpr std::int32_t ErrorNothingOther = 532;
constexpr std::int32_t ErrorReadTitles = 533;

} // namespace

EvaluationPrintDialog::EvaluationPrintDialog(platform::AppState &state,
                                             platform::PrinterChoice &printers, PrintTarget &target,
                                             QWidget *parent)
    : QDialog(parent, widgets::FixedDialogFlags)
    , m_state(state)
    , m_target(target)
    , m_printerBox(new PrinterBox(QStringLiteral("Drucker"), printers, state.ui(), this))
    , m_currency(new CurrencyBox(this))
    , m_titles(new TitleBox(QStringLiteral("Titelleisten der Auswertungen"), this)) {
    setObjectName(QStringLiteral("TAuswertDruckenDialogF"));
    setWindowTitle(QStringLiteral("Drucken einer erstellten Auswertung"));
    setModal(true);

    QHBoxLayout *buttons = OkCancelRow(this, [this] { printEvaluation(); });

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_printerBox, 0, 0, 2, 1);
    grid->addWidget(m_currency, 0, 1);
    grid->addWidget(m_titles, 1, 1);
    grid->addLayout(buttons, 2, 0, 1, 2);
}

void EvaluationPrintDialog::run(const core::SearchCriteria &criteria,
                                const ListChoices &listChoices) {
    m_criteria = criteria;
    m_listChoices = listChoices;
    m_printerBox->reset();
    m_currency->setCurrencyName(QString::fromStdString(m_state.settings().nationalCurrency));
    const auto titles = ReadTableTitles(m_state.store(), m_state.currentFile());
    // Titles that cannot be read open as a title never stored does.
    m_titles->setTitles(titles ? *titles
                               : TableTitles{DefaultCompletedTitle(), DefaultPlannedTitle()});
    if (!titles)
        platform::ShowError(m_state.ui(), ErrorReadTitles, QStringLiteral("Registry-Fehler"));
    m_state.ui().runModal(*this);
}

void EvaluationPrintDialog::printEvaluation() {
    const core::BookingMatcher matcher(m_criteria);
    const core::BookingTable &table = m_state.table();
    if (!core::HasEvaluationData(table, matcher)) {
        platform::ShowError(m_state.ui(),
                            m_criteria.mode == core::SearchMode::Exact ? ErrorNothingExact
                                                                       : ErrorNothingOther,
                            QStringLiteral("Keine Daten zum Ausdrucken gefunden!"));
        accept();
        return;
    }
    const core::Settings &settings = m_state.settings();
    core::EvaluationPrintOptions options;
    options.list = ListOptions(m_state, m_listChoices, m_currency->national(), m_titles->titles());
    options.statementData = settings.keepStatementData;
    options.bookingDates = settings.keepBookingDate;
    const PrintRun run = m_target.print([&](core::Canvas &canvas) -> core::Result<void> {
        auto printed = core::PrintEvaluation(canvas, table, matcher, options);
        if (!printed)
            return printed.error();
        return {};
    });
    if (run == PrintRun::Printed)
        accept();
}

} // namespace penvaro::printing
