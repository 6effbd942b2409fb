#pragma once

namespace penvaro::platform {
class AppState;
} // namespace penvaro::platform

namespace penvaro::ledger {
class TMainForm;
} // namespace penvaro::ledger

namespace penvaro::app {

// Creates the booking dialogs once, owned by the main window, and lets its commands open them.
void ConnectBookingWindows(platform::AppState &state, ledger::TMainForm &window);

} // namespace penvaro::app
