#pragma once

#include "printtarget.h"

namespace penvaro::platform {
class PrinterChoice;
class UiService;
} // namespace penvaro::platform

namespace penvaro::printing {

// Prints on the current printer of the choice; for the PDF entry the user names the file
// first, and cancelling that prints nothing.
class PrinterTarget final : public PrintTarget {
public:
    // Current: the printer chosen in the print dialogs' lists. AsConfigured: the printer as
    // the system's print dialog left it.
    enum class Source { Current, AsConfigured };

    PrinterTarget(platform::PrinterChoice &printers, platform::UiService &ui, Source source);

    PrintRun print(const Drawing &drawing) override;

private:
    platform::PrinterChoice &m_printers;
    platform::UiService &m_ui;
    Source m_source;
};

} // namespace penvaro::printing
