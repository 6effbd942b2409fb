#pragma once

#include "appfixture.h"
#include "support/recordingcanvas.h"

#include "payments/paymentprinter.h"
#include "payments/paymentwindow.h"

#include <QString>
#include <QStringList>

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

QT_BEGIN_NAMESPACE
void PrintTo(const QString &text, std::ostream *out);
void PrintTo(const QStringList &texts, std::ostream *out);
QT_END_NAMESPACE

namespace penvaro::core {
void PrintTo(const TransferOrder &order, std::ostream *out);
} // namespace penvaro::core

namespace penvaro::testing {

// Prints on a canvas that records the printouts, as if the printer had taken each of them.
class RecordingPaymentPrinter : public payments::PaymentPrinter {
public:
    RecordingPaymentPrinter(platform::UiService &ui, core::Canvas &canvas)
        : PaymentPrinter(ui)
        , m_canvas(canvas) {}

protected:
    bool output(const std::function<void(core::Canvas &)> &printout) override {
        printout(m_canvas);
        return true;
    }

private:
    core::Canvas &m_canvas;
};

// The bank offices every payment test knows, in file order.
std::vector<std::string> KnownBankCodeLines();

// The program's objects with the account file giro.p11 open (no bookings), a bank code file in
// the program folder and the payment window.
class PaymentFixture : public AppFixture {
protected:
    PaymentFixture();

    void writeBankCodes(const std::vector<std::string> &lines) const;
    void removeBankCodes() const;
    // A page of the payment window by its objectName: each page has controls of the same names
    // as others (the bank search's "EOrt", the template editor's transfer fields).
    static QWidget &PageOf(const payments::PaymentWindow &window, const char *page);
    // Shows the payment window on the page, lets the test act as the user and closes it.
    void onWindow(payments::PaymentWindow::Page page,
                  const std::function<void(payments::PaymentWindow &)> &user);

    std::filesystem::path account;
    // What the window prints; no test prints on a real printer.
    RecordingCanvas canvas;
    payments::PaymentWindow window{*state, std::make_unique<RecordingPaymentPrinter>(ui, canvas)};
};

} // namespace penvaro::testing
