#include "printertarget.h"

#include "core/joinedjobscanvas.h"
#include "platform/printerchoice.h"
#include "platform/qtprintcanvas.h"
#include "platform/uiservice.h"

namespace penvaro::printing {

PrinterTarget::PrinterTarget(platform::PrinterChoice &printers, platform::UiService &ui,
                             Source source)
    : m_printers(printers)
    , m_ui(ui)
    , m_source(source) {}

PrintRun PrinterTarget::print(const Drawing &drawing) {
    const bool ready = m_source == Source::Current ? m_printers.prepare(m_ui)
                                                   : m_printers.prepareAsConfigured(m_ui);
    if (!ready)
        return PrintRun::Cancelled;
    QPrinter &printer = m_printers.printer();
    platform::QtPrintCanvas canvas(printer);
    if (printer.outputFormat() != QPrinter::PdfFormat)
        return platform::ReportFailure(m_ui, drawing(canvas)) ? PrintRun::Printed
                                                              : PrintRun::Failed;
    // Every job of the printout goes into the one file the user named.
    core::JoinedJobsCanvas joined(canvas);
    core::Result<void> drawn = drawing(joined);
    core::Result<void> finished = joined.finish();
    if (!drawn)
        finished = drawn;
    return platform::ReportFailure(m_ui, finished) ? PrintRun::Printed : PrintRun::Failed;
}

} // namespace penvaro::printing
