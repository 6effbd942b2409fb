#pragma once

#include "core/result.h"

#include <functional>

namespace penvaro::platform {
class UiService;
} // namespace penvaro::platform

namespace penvaro::widgets {

// Runs one user command. A failure the command does not handle itself, returned as an error or
// thrown, abandons the command and is shown in a plain message box; the program goes on with
// the state the command had reached. Returns whether the command succeeded.
bool RunCommand(platform::UiService &ui, const std::function<core::Result<void>()> &command);

} // namespace penvaro::widgets
