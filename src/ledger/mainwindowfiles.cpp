#include "mainwindow.h"

#include "accountsoverviewdialog.h"

#include "entry/startvaluedialog.h"
#include "platform/accountsession.h"
#include "platform/appstate.h"
#include "platform/uiservice.h"

namespace penvaro::ledger {

// The session tells the user what went wrong; the window follows it through accountOpened.

void MainWindow::openAccountFile() {
    m_state.session().openChosen();
}

void MainWindow::openAccountFileByPath(const std::filesystem::path &path) {
    m_state.session().open(path);
}

void MainWindow::newAccountFile() {
    if (!m_state.session().createChosen())
        return;
    m_startValueDialog->showModal();
    // The new account's own bank data are typed now; the old account's would be wrong.
    core::Settings &own = m_state.settings();
    for (std::string *text : {&own.Kontonummer, &own.Kontoinhaber, &own.Kontobezeichnung,
                              &own.Institut, &own.Bankleitzahl})
        text->clear();
    m_paymentWindow->showPage(payments::PaymentWindow::Page::AccountData);
}

void MainWindow::showAccountsOverview() {
    m_accounts->refill();
    m_state.ui().runModal(*m_accounts);
}

} // namespace penvaro::ledger
