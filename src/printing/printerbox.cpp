#include "printerbox.h"

#include "platform/printerchoice.h"
#include "platform/uiservice.h"

#include <QListWidget>
#include <QPrintDialog>
#include <QPushButton>
#include <QVBoxLayout>

namespace penvaro::printing {

PrinterBox::PrinterBox(const QString &caption, platform::PrinterChoice &printers,
                       platform::UiService &ui, QWidget *parent)
    : QGroupBox(caption, parent)
    , m_printers(printers)
    , m_ui(ui)
    , m_list(new QListWidget(this)) {
    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_list->setAccessibleName(caption);
    m_list->setMinimumHeight(m_list->fontMetrics().height() * 4);
    connect(m_list, &QListWidget::currentTextChanged, this, [this](const QString &name) {
        if (!name.isEmpty())
            m_printers.choose(name);
    });
    auto *properties = new QPushButton(QStringLiteral("Drucker-Eigenschaften"), this);
    properties->setObjectName(QStringLiteral("Button1"));
    properties->setAutoDefault(false);
    connect(properties, &QPushButton::clicked, this, &PrinterBox::showProperties);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addWidget(properties, 0, Qt::AlignLeft);
}

void PrinterBox::reset() {
    m_list->blockSignals(true);
    m_list->clear();
    m_list->addItems(platform::PrinterChoice::Names());
    m_list->setCurrentRow(-1);
    m_list->blockSignals(false);
    m_printers.chooseDefault();
}

void PrinterBox::showProperties() {
    QPrinter &printer = m_printers.printer();
    if (m_printers.current() != platform::PrinterChoice::PdfEntry())
        printer.setPrinterName(m_printers.current());
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialog"));
    m_ui.runModal(dialog);
}

} // namespace penvaro::printing
