#include "printertarget.h"

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
    platform::QtPrintCanvas canvas(m_printers.printer());
    return platform::ReportFailure(m_ui, drawing(canvas)) ? PrintRun::Printed : PrintRun::Failed;
}

} // namespace penvaro::printing
