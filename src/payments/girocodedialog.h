#pragma once

#include "core/girocodeprintout.h"

#include <QDialog>
#include <QStringList>

namespace penvaro::platform {
class UiService;
} // namespace penvaro::platform

namespace penvaro::payments {

class PaymentPrinter;

// The GiroCode of a transfer, large enough to be scanned from the screen with a banking app,
// with what it pays beside it and a button to print it.
class GiroCodeDialog : public QDialog {
    Q_OBJECT

public:
    GiroCodeDialog(platform::UiService &ui, const core::QrModules &modules,
                   const QStringList &lines, PaymentPrinter &printer, QWidget *parent = nullptr);

private:
    void print();

    platform::UiService &m_ui;
    core::QrModules m_modules;
    QStringList m_lines;
    PaymentPrinter &m_printer;
};

} // namespace penvaro::payments
