#pragma once

#include <QString>

namespace penvaro::platform {

// The name chosen in a save dialog with the extension of its file type ("CSV-Datei (*.csv)")
// added when the user typed the name without it, as every desktop program does: otherwise
// "jahresauswertung_2026" is written and no program opens it as a CSV file.
QString WithChosenExtension(const QString &chosen, const QString &filter);

} // namespace penvaro::platform
