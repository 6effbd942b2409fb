#pragma once

#include <QGroupBox>

class QListWidget;
class QPushButton;

namespace penvaro::platform {
class PrinterChoice;
class UiService;
} // namespace penvaro::platform

namespace penvaro::printing {

// The printer group both print dialogs share: the list of printers ("ListBox1"), a click
// making one current, and "Drucker-Eigenschaften" ("Button1") for the system's set-up dialog.
class PrinterBox : public QGroupBox {
    Q_OBJECT

public:
    PrinterBox(const QString &caption, platform::PrinterChoice &printers, platform::UiService &ui,
               QWidget *parent = nullptr);

    // Fills the list anew, nothing selected, and makes the default printer current.
    void reset();

private:
    void showProperties();

    platform::PrinterChoice &m_printers;
    platform::UiService &m_ui;
    QListWidget *m_list;
};

} // namespace penvaro::printing
