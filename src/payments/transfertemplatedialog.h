#pragma once

#include "core/savedtransferrecord.h"

#include <QDialog>

#include <functional>

namespace penvaro::core {
struct Settings;
} // namespace penvaro::core

namespace penvaro::platform {
class UiService;
} // namespace penvaro::platform

namespace penvaro::payments {

class BankCodes;
class BankCodeSearchDialog;
class SepaTemplateDialog;
class TransferForm;

// "Überweisungsvorlafen erfassen / ändern": the editor of one saved transfer.
class TransferTemplateDialog : public QDialog {
    Q_OBJECT

public:
    // Stores the edited record; false when it was not stored (the reason has been shown), and
    // the editor stays open with what the user typed.
    using Store = std::function<bool(const core::SavedTransferRecord &)>;

    TransferTemplateDialog(platform::UiService &ui, const core::Settings &accountData,
                           BankCodes &bankCodes, BankCodeSearchDialog &search,
                           QWidget *parent = nullptr);

    // A new saved transfer: form 20, empty fields, currency "DM". Returns whether it was stored.
    bool editNew(const Store &store);
    // The record as it is in the list; a form type without a button of its own (16, Postbank)
    // is kept unless the user chooses another. A saved SEPA transfer opens in its own editor.
    bool edit(const core::SavedTransferRecord &record, const Store &store);

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool run(const Store &store);
    void save();

    platform::UiService &m_ui;
    BankCodes &m_bankCodes;
    TransferForm *m_form;
    SepaTemplateDialog *m_sepaEditor = nullptr; // built when first needed
    Store m_store;
    // What the editor does not show is written back as it was read.
    core::SavedTransferRecord m_original;
};

} // namespace penvaro::payments
