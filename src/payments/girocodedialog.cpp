#include "girocodedialog.h"

#include "paymentprinter.h"

#include "platform/girocode.h"
#include "platform/uiservice.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace penvaro::payments {
namespace {

// Phones read a code from the screen best when it is large: up to 8 pixels a module (a code of
// 57 modules is then 17 cm at 96 dpi), but no more than half the screen's height so that the
// dialog fits a small or scaled screen; never less than 3 pixels, which phones still read.
int modulePixelsFor(const QWidget *widget, std::size_t modules) {
    const QScreen *screen = widget ? widget->screen() : QGuiApplication::primaryScreen();
    const int height = screen ? screen->availableGeometry().height() : 600;
    const int fitting = height / 2 / (static_cast<int>(modules) + 8);
    return std::clamp(fitting, 3, 8);
}
// 0.6 mm a module on paper: some 3.5 cm for a code of 49 modules, as printed invoices show it.
constexpr int printedModule = 6;

} // namespace

GiroCodeDialog::GiroCodeDialog(platform::UiService &ui, const core::QrModules &modules,
                               const QStringList &lines, PaymentPrinter &printer, QWidget *parent)
    : QDialog(parent)
    , m_ui(ui)
    , m_modules(modules)
    , m_lines(lines)
    , m_printer(printer) {
    setObjectName(QStringLiteral("TGiroCodeF"));
    setWindowTitle(QStringLiteral("GiroCode"));

    auto *code = new QLabel(this);
    code->setObjectName(QStringLiteral("IGiroCode"));
    code->setPixmap(QPixmap::fromImage(
        platform::GiroCodeImage(modules, modulePixelsFor(parent, modules.size()))));
    code->setAccessibleName(QStringLiteral("GiroCode der Überweisung"));
    auto *details = new QLabel(lines.join(u'\n'), this);
    details->setObjectName(QStringLiteral("LGiroCodeDaten"));
    details->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *note = new QLabel(QStringLiteral("Scannen Sie den Code mit der App Ihrer Bank. Die "
                                           "Überweisung ist als geplante Buchung eingetragen."),
                            this);
    note->setObjectName(QStringLiteral("LGiroCodeHinweis"));
    note->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *printButton =
        buttons->addButton(QStringLiteral("Drucken"), QDialogButtonBox::ActionRole);
    printButton->setObjectName(QStringLiteral("BGiroCodeDrucken"));
    connect(printButton, &QPushButton::clicked, this, &GiroCodeDialog::print);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *text = new QVBoxLayout;
    text->addWidget(details);
    text->addWidget(note);
    text->addStretch();
    auto *row = new QHBoxLayout;
    row->addWidget(code, 0, Qt::AlignTop);
    row->addLayout(text, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

void GiroCodeDialog::print() {
    std::vector<std::string> lines;
    for (const QString &line : m_lines)
        lines.push_back(line.toStdString());
    m_printer.print([&](core::Canvas &canvas) {
        platform::ReportFailure(m_ui, core::PrintGiroCode(canvas, m_modules, lines, printedModule));
    });
}

} // namespace penvaro::payments
