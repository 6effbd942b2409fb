#pragma once

#include <QPrinter>
#include <QString>
#include <QStringList>

namespace penvaro::platform {

class UiService;

// The printer the print dialogs offer and print on: an installed printer, or the entry
// "PDF-Datei", which writes a PDF file the user names. One object for the whole program, so
// that the printer chosen in one dialog is the current printer of the next.
class PrinterChoice {
public:
    PrinterChoice();

    static QString PdfEntry();
    // The installed printers, then the PDF entry.
    static QStringList Names();
    // The system's default printer, or the PDF entry when no printer is installed.
    static QString DefaultName();

    QString current() const { return m_current; }
    // Unknown names are ignored; the current printer stays.
    void choose(const QString &name);
    void chooseDefault() { choose(DefaultName()); }

    // The printer for the system's set-up dialog and for printing.
    QPrinter &printer() { return m_printer; }

    // Points the printer at the current choice; for the PDF entry asks for the file name.
    // False when the user cancelled the file chooser.
    bool prepare(UiService &ui);
    // Leaves the printer as the system's print dialog set it up; a PDF file without a name
    // is asked for. False when the user cancelled the file chooser.
    bool prepareAsConfigured(UiService &ui);

private:
    bool askPdfFile(UiService &ui);

    QPrinter m_printer;
    QString m_current;
};

} // namespace penvaro::platform
