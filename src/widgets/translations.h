#pragma once

namespace penvaro::widgets {

// Loads Qt's own German translations, so that the standard dialogs and buttons speak the
// program's language. Returns whether they were found (Debian: qt6-translations-l10n).
bool InstallGermanQtTranslations();

} // namespace penvaro::widgets
