#include "printerchoice.h"

#include "uiservice.h"

#include <QPrinterInfo>

namespace penvaro::platform {

PrinterChoice::PrinterChoice()
    : m_printer(QPrinter::HighResolution)
    , m_current(DefaultName()) {}

QString PrinterChoice::PdfEntry() {
    return QStringLiteral("PDF-Datei");
}

QStringList PrinterChoice::Names() {
    QStringList names = QPrinterInfo::availablePrinterNames();
    names.removeAll(PdfEntry());
    names.append(PdfEntry());
    return names;
}

QString PrinterChoice::DefaultName() {
    const QString installed = QPrinterInfo::defaultPrinterName();
    return installed.isEmpty() ? PdfEntry() : installed;
}

void PrinterChoice::choose(const QString &name) {
    if (Names().contains(name))
        m_current = name;
}

bool PrinterChoice::prepare(UiService &ui) {
    if (m_current != PdfEntry()) {
        // A file name left from a PDF printout would send the job into that file.
        m_printer.setOutputFileName(QString());
        m_printer.setOutputFormat(QPrinter::NativeFormat);
        m_printer.setPrinterName(m_current);
        return true;
    }
    return askPdfFile(ui);
}

bool PrinterChoice::prepareAsConfigured(UiService &ui) {
    if (m_printer.outputFormat() == QPrinter::PdfFormat && m_printer.outputFileName().isEmpty())
        return askPdfFile(ui);
    return true;
}

bool PrinterChoice::askPdfFile(UiService &ui) {
    QString file = ui.saveFileName(QStringLiteral("Als PDF-Datei drucken"),
                                   QStringLiteral("PDF-Datei (*.pdf)"));
    if (file.isEmpty())
        return false;
    if (!file.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        file += QStringLiteral(".pdf");
    m_printer.setOutputFormat(QPrinter::PdfFormat);
    m_printer.setOutputFileName(file);
    return true;
}

} // namespace penvaro::platform
