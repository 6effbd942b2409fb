#include "bookingwindows.h"

#include "entry/tdatenbearbeitenf.h"
#include "entry/tdateneingebenf.h"
#include "entry/tmonthlyf.h"
#include "entry/tstartwerteingebenf.h"
#include "entry/tvaebf.h"
#include "ledger/tmainform.h"
#include "platform/appstate.h"

namespace penvaro::app {

void ConnectBookingWindows(platform::AppState &state, ledger::TMainForm &window) {
    auto *entry = new entry::TdatenEingebenF(state, &window);
    auto *startValue = new entry::TStartWertEingebenF(state, &window);
    auto *suggestions = new entry::TVAEBF(state.store(), state.ui(), &window);
    auto *edit = new entry::TDatenBearbeitenF(state, &window);
    auto *recurring = new entry::TMonthlyF(
        state, *edit, [entry] { entry->showForKind(core::BookingKind::Recurring); }, &window);

    ledger::BookingDialogs dialogs;
    dialogs.enter = [entry](core::BookingKind kind) { entry->showForKind(kind); };
    dialogs.startValue = [startValue] { startValue->showFromCommand(); };
    dialogs.startValueForNewFile = [startValue] { startValue->showModal(); };
    dialogs.suggestions = [suggestions] { suggestions->showModal(); };
    dialogs.recurring = [recurring] { recurring->Execute(); };
    dialogs.editCompleted = [edit](int row) { edit->EditCompleted(row); };
    dialogs.editPlanned = [edit](int row) { edit->EditPlanned(row); };
    dialogs.transferPlanned = [edit](int row) { edit->TransferPlanned(row); };
    window.setBookingDialogs(std::move(dialogs));
}

} // namespace penvaro::app
