#pragma once

#include <QString>

namespace penvaro::platform {
class UiService;
} // namespace penvaro::platform

namespace penvaro::widgets {

// The manual, found as platform::ProgramFilePath finds a shipped file.
QString ManualPath();

// Opens the user manual with the desktop's viewer. Without the file the user is told where it is
// expected, so that help never silently does nothing.
void OpenManual(platform::UiService &ui);

} // namespace penvaro::widgets
