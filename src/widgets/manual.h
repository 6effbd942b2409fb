#pragma once

#include <QString>

namespace penvaro::platform {
class UiService;
} // namespace penvaro::platform

namespace penvaro::widgets {

QString ManualPath();

// Opens the user manual with the desktop's viewer. A missing manual, or no viewer, is silent:
// the help button is never worth an error message.
void OpenManual(platform::UiService &ui);

} // namespace penvaro::widgets
