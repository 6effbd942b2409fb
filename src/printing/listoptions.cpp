#include "listoptions.h"

#include "core/exchangerate.h"
#include "platform/appstate.h"
#include "widgets/localeseparators.h"

namespace penvaro::printing {

core::ListPrintOptions ListOptions(const platform::AppState &state, const ListChoices &choices,
                                   bool national, const TableTitles &titles) {
    const core::Settings &settings = state.settings();
    core::ListPrintOptions options;
    options.columns = choices.columns;
    options.printFileName = choices.fileName;
    options.printPageNumbers = choices.pageNumbers;
    options.national = national;
    options.currency = core::NationalCurrencyFromSettings(settings);
    options.separators = widgets::LocaleSeparators();
    options.fileName = state.currentFile().toStdString();
    options.title1 = titles.completed.toStdString();
    options.title2 = titles.planned.toStdString();
    return options;
}

} // namespace penvaro::printing
