#pragma once

#include "storedtitles.h"

#include "core/listpage.h"
#include "core/printcolumns.h"

namespace penvaro::platform {
class AppState;
} // namespace penvaro::platform

namespace penvaro::printing {

// What the booking list and the evaluation printout take from the booking print dialog.
struct ListChoices {
    core::PrintColumnChoices columns;
    bool fileName = true;
    bool pageNumbers = true;
};

// The inputs of a list printout: the dialogs' choices, the current account file, its
// currency and the user's number format.
core::ListPrintOptions ListOptions(const platform::AppState &state, const ListChoices &choices,
                                   bool national, const TableTitles &titles);

} // namespace penvaro::printing
