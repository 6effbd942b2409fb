#include "paymentprinter.h"

#include "platform/qtprintcanvas.h"
#include "platform/uiservice.h"

#include <QPrintDialog>

namespace penvaro::payments {

PaymentPrinter::PaymentPrinter(platform::UiService &ui, core::Canvas *testCanvas)
    : m_ui(ui)
    , m_testCanvas(testCanvas) {}

void PaymentPrinter::setUp(QWidget *parent) {
    QPrintDialog dialog(&m_printers.printer(), parent);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialog"));
    dialog.setWindowTitle(QStringLiteral("Drucker ändern"));
    if (m_ui.runModal(dialog) == QDialog::Accepted)
        m_setUp = true;
}

void PaymentPrinter::print(const std::function<void(core::Canvas &)> &printout) {
    if (m_testCanvas) {
        printout(*m_testCanvas);
    } else {
        const bool ready =
            m_setUp ? m_printers.prepareAsConfigured(m_ui) : m_printers.prepare(m_ui);
        if (!ready)
            return;
        platform::QtPrintCanvas canvas(m_printers.printer());
        printout(canvas);
    }
    if (m_printed)
        m_printed();
}

} // namespace penvaro::payments
