#include "paymentprinter.h"

#include "platform/qtprintcanvas.h"
#include "platform/uiservice.h"

#include <QPrintDialog>

namespace penvaro::payments {

PaymentPrinter::PaymentPrinter(platform::UiService &ui)
    : m_ui(ui) {}

PaymentPrinter::~PaymentPrinter() = default;

void PaymentPrinter::setUp(QWidget *parent) {
    QPrintDialog dialog(&m_printers.printer(), parent);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialog"));
    dialog.setWindowTitle(QStringLiteral("Drucker ändern"));
    if (m_ui.runModal(dialog) == QDialog::Accepted)
        m_setUp = true;
}

void PaymentPrinter::print(const std::function<void(core::Canvas &)> &printout) {
    if (output(printout) && m_printed)
        m_printed();
}

bool PaymentPrinter::output(const std::function<void(core::Canvas &)> &printout) {
    const bool ready = m_setUp ? m_printers.prepareAsConfigured(m_ui) : m_printers.prepare(m_ui);
    if (!ready)
        return false;
    platform::QtPrintCanvas canvas(m_printers.printer());
    printout(canvas);
    return true;
}

} // namespace penvaro::payments
