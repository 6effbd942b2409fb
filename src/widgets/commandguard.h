#pragma once

#include "core/result.h"

#include <functional>

namespace penvaro::platform {
class AppState;
class UiService;
} // namespace penvaro::platform

namespace penvaro::widgets {

// Runs one user command. A failure the command does not handle itself, returned as an error or
// thrown, abandons the command and is shown in a plain message box; the program goes on with
// the state the command had reached. Returns whether the command succeeded.
bool RunCommand(platform::UiService &ui, const std::function<core::Result<void>()> &command);

// The same for a command that changes bookings. When another program had changed the account
// file, the table now holds the file as it is: that is shown at once, so that the user sees
// what changed and can make the change again.
bool RunBookingChange(platform::AppState &state,
                      const std::function<core::Result<void>()> &command);

} // namespace penvaro::widgets
