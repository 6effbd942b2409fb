#pragma once

#include "core/savedtransferrecord.h"
#include "core/sepatemplate.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;

namespace penvaro::platform {
class UiService;
} // namespace penvaro::platform

namespace penvaro::payments {

class BankCodes;

// The editor of a saved SEPA transfer. The editor of the written forms has no room for an IBAN
// or the longer texts, and saving a SEPA template there would turn it into a form it is not.
class SepaTemplateDialog : public QDialog {
    Q_OBJECT

public:
    using Store = std::function<bool(const core::SavedTransferRecord &)>;

    SepaTemplateDialog(platform::UiService &ui, BankCodes &bankCodes, QWidget *parent = nullptr);

    // Shows the saved transfer; returns whether the changed one was stored. A field that cannot
    // be used gets the SEPA transfer's message and the focus, and the editor stays open.
    bool edit(const core::SavedTransferRecord &record, const Store &store);

private:
    void showIbanCheck();
    void save();

    platform::UiService &m_ui;
    BankCodes &m_bankCodes;
    QLineEdit *m_name;
    QLineEdit *m_iban;
    QLabel *m_ibanCheck;
    QLineEdit *m_bic;
    QLineEdit *m_amount;
    QLineEdit *m_purpose;
    Store m_store;
    // The execution date is not edited here; it is kept as it was saved.
    core::SepaTemplate m_original;
};

} // namespace penvaro::payments
