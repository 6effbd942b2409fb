#pragma once

#include "core/canvas.h"
#include "platform/printerchoice.h"

#include <functional>
#include <utility>

class QWidget;

namespace penvaro::platform {
class UiService;
} // namespace penvaro::platform

namespace penvaro::payments {

// Where the payment window's forms and receipts are printed: the system's default printer, or a
// PDF file the user names, until "Drucker ändern" sets up another printer in the system's
// dialog; that one is kept for every later printout of the window.
class PaymentPrinter {
public:
    explicit PaymentPrinter(platform::UiService &ui);
    virtual ~PaymentPrinter();
    PaymentPrinter(const PaymentPrinter &) = delete;
    PaymentPrinter &operator=(const PaymentPrinter &) = delete;

    // "Drucker ändern".
    void setUp(QWidget *parent);
    // Runs the printout on the printer. Nothing is printed when the user cancels naming the
    // PDF file.
    void print(const std::function<void(core::Canvas &)> &printout);
    // Called after each printout, once it went to the printer.
    void setPrinted(std::function<void()> printed) { m_printed = std::move(printed); }

protected:
    // Puts the printout on paper or into the PDF file; false when nothing was printed. Another
    // destination, such as a canvas that records, overrides it.
    virtual bool output(const std::function<void(core::Canvas &)> &printout);

private:
    platform::UiService &m_ui;
    platform::PrinterChoice m_printers;
    bool m_setUp = false;
    std::function<void()> m_printed;
};

} // namespace penvaro::payments
