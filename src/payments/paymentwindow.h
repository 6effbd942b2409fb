#pragma once

#include "core/chequeforms.h"
#include "core/transferform.h"

#include <QDialog>

#include <memory>

class QLineEdit;
class QTabWidget;

namespace penvaro::core {
struct SavedTransferRecord;
} // namespace penvaro::core

namespace penvaro::platform {
class AppState;
} // namespace penvaro::platform

namespace penvaro::payments {

class AccountDataPage;
class BankCodes;
class BankCodeSearchDialog;
class CrossedChequePage;
class EuroChequePage;
class PaymentPrinter;
class SavedTransfersPage;
class TransferPage;
class TransferTemplateDialog;

// "Überweisungen/Schecks drucken / Kontodaten verwalten": the payment orders of the open
// account on the bank's paper forms, its saved transfers and its own bank data.
class PaymentWindow : public QDialog {
    Q_OBJECT

public:
    enum class Page { Transfers, CrossedCheques, EuroCheques, SavedTransfers, AccountData };

    explicit PaymentWindow(platform::AppState &state, QWidget *parent = nullptr);
    // Forms and receipts go to the given printer instead of the system's.
    PaymentWindow(platform::AppState &state, std::unique_ptr<PaymentPrinter> printer,
                  QWidget *parent = nullptr);
    ~PaymentWindow() override;

    // Prepares every page as each opening does and shows the window modally on the page.
    int showPage(Page page);
    Page currentPage() const;

    // The orders as typed, for printing them.
    core::TransferOrder transferOrder() const;
    bool saveTransferAsTemplate() const;
    core::CrossedCheque crossedChequeOrder() const;
    core::EuroCheque euroChequeOrder() const;

    BankCodes &bankCodes() { return *m_bankCodes; }

    // Closing stores the account data first.
    void done(int result) override;
    // "Schließen", Escape and the close box: a form typed but not printed is only dropped when
    // the user says so.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void prepare();
    void takeAccountData();
    void useTemplate(const core::SavedTransferRecord &record);
    // The fields of the transfer form and the two cheques.
    QList<QLineEdit *> formFields() const;

    platform::AppState &m_state;
    std::unique_ptr<BankCodes> m_bankCodes;
    std::unique_ptr<PaymentPrinter> m_printer;
    BankCodeSearchDialog *m_search;
    TransferTemplateDialog *m_editor;
    QTabWidget *m_pages;
    TransferPage *m_transfers;
    CrossedChequePage *m_crossedCheques;
    EuroChequePage *m_euroCheques;
    SavedTransfersPage *m_savedTransfers;
    AccountDataPage *m_accountData;
    // Typed into a form since the window opened or last printed.
    bool m_typed = false;
};

} // namespace penvaro::payments
