#include "paymentwindow.h"

#include "accountdatapage.h"
#include "bankcodes.h"
#include "bankcodesearchdialog.h"
#include "crossedchequepage.h"
#include "eurochequepage.h"
#include "pagearea.h"
#include "paymentprinter.h"
#include "savedtransferspage.h"
#include "transferpage.h"
#include "transfertemplatedialog.h"

#include "platform/appstate.h"
#include "platform/uiservice.h"

#include <QLineEdit>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

#include <utility>

namespace penvaro::payments {
PaymentWindow::PaymentWindow(platform::AppState &state, QWidget *parent)
    : PaymentWindow(state, std::make_unique<PaymentPrinter>(state.ui()), parent) {}

PaymentWindow::PaymentWindow(platform::AppState &state, std::unique_ptr<PaymentPrinter> printer,
                             QWidget *parent)
    : QDialog(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_state(state)
    , m_bankCodes(std::make_unique<BankCodes>(state.ui()))
    , m_printer(std::move(printer))
    , m_search(new BankCodeSearchDialog(state.ui(), *m_bankCodes, this))
    , m_editor(
          new TransferTemplateDialog(state.ui(), state.settings(), *m_bankCodes, *m_search, this))
    , m_pages(new QTabWidget(this))
    , m_transfers(new TransferPage(state, *m_bankCodes, *m_search, *m_printer))
    , m_crossedCheques(new CrossedChequePage(state, *m_printer))
    , m_euroCheques(new EuroChequePage(state, *m_printer))
    , m_savedTransfers(new SavedTransfersPage(state.ui(), *m_editor))
    , m_accountData(new AccountDataPage(state, *m_bankCodes)) {
    setObjectName(QStringLiteral("TUeberwF"));
    setWindowTitle(QStringLiteral("Überweisungen/Schecks drucken / Kontodaten verwalten"));
    setModal(true);

    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->addTab(Scrolling(m_transfers, "TabSheet1"), QStringLiteral("Überweisungen"));
    m_pages->addTab(Scrolling(m_crossedCheques, "TabSheet2"),
                    QStringLiteral("Verrechnungsschecks"));
    m_pages->addTab(Scrolling(m_euroCheques, "TabSheet3"), QStringLiteral("Euroschecks"));
    m_pages->addTab(Scrolling(m_savedTransfers, "TabSheet5"),
                    QStringLiteral("Gespeicherte Überweisungen"));
    m_pages->addTab(Scrolling(m_accountData, "TabSheet4"), QStringLiteral("Kontodaten"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);

    connect(m_accountData, &AccountDataPage::accountDataStored, this,
            &PaymentWindow::takeAccountData);
    connect(m_savedTransfers, &SavedTransfersPage::templateChosen, this,
            &PaymentWindow::useTemplate);
    connect(m_transfers, &TransferPage::printedAsTemplate, this,
            [this](const core::SavedTransferRecord &record) {
                if (m_savedTransfers->appendPrinted(record))
                    m_transfers->templateSaved();
            });
    // The cheque pages' "Schließen" closes the window.
    connect(m_crossedCheques, &CrossedChequePage::closeRequested, this, &QDialog::reject);
    connect(m_euroCheques, &EuroChequePage::closeRequested, this, &QDialog::reject);
    // Fields that rewrite what is typed (capitals) reset its modified flag, so typing is
    // counted where it happens.
    for (QLineEdit *field : formFields())
        connect(field, &QLineEdit::textEdited, this, [this] { m_typed = true; });
    // What went to the printer is done with.
    m_printer->setPrinted([this] { m_typed = false; });
}

PaymentWindow::~PaymentWindow() = default;

int PaymentWindow::showPage(Page page) {
    prepare();
    m_pages->setCurrentIndex(static_cast<int>(page));
    return m_state.ui().runModal(*this);
}

PaymentWindow::Page PaymentWindow::currentPage() const {
    return static_cast<Page>(m_pages->currentIndex());
}

void PaymentWindow::prepare() {
    m_accountData->showAccountData();
    m_savedTransfers->load(m_state.currentPath());
    m_transfers->setTemplatesAvailable(m_savedTransfers->usable());
    m_transfers->prepare();
    m_crossedCheques->prepare();
    m_euroCheques->prepare();
    m_typed = false;
}

QList<QLineEdit *> PaymentWindow::formFields() const {
    QList<QLineEdit *> fields = m_transfers->findChildren<QLineEdit *>();
    fields << m_crossedCheques->findChildren<QLineEdit *>()
           << m_euroCheques->findChildren<QLineEdit *>();
    return fields;
}

void PaymentWindow::reject() {
    if (m_typed
        && m_state.ui().askYesNo(QStringLiteral("Die Eingaben verwerfen?"), platform::Answer::No)
               != platform::Answer::Yes)
        return;
    QDialog::reject();
}

void PaymentWindow::takeAccountData() {
    m_transfers->takeAccountData();
    m_crossedCheques->takePlaceOfIssue();
    m_euroCheques->takePlaceOfIssue();
}

void PaymentWindow::useTemplate(const core::SavedTransferRecord &record) {
    m_transfers->useTemplate(record);
    m_pages->setCurrentIndex(static_cast<int>(Page::Transfers));
}

core::TransferOrder PaymentWindow::transferOrder() const {
    return m_transfers->order();
}

bool PaymentWindow::saveTransferAsTemplate() const {
    return m_transfers->saveAsTemplate();
}

core::CrossedCheque PaymentWindow::crossedChequeOrder() const {
    return m_crossedCheques->order();
}

core::EuroCheque PaymentWindow::euroChequeOrder() const {
    return m_euroCheques->order();
}

void PaymentWindow::done(int result) {
    m_accountData->storeAccountData();
    QDialog::done(result);
}

void PaymentWindow::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    FitIntoScreen(*this);
}

} // namespace penvaro::payments
