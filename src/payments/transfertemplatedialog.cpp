#include "transfertemplatedialog.h"

#include "pagearea.h"
#include "pagebuttons.h"
#include "paymentcheck.h"
#include "sepatemplatedialog.h"
#include "transferform.h"

#include "platform/uiservice.h"
#include "widgets/dialogflags.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace penvaro::payments {

TransferTemplateDialog::TransferTemplateDialog(platform::UiService &ui,
                                               const core::Settings &accountData,
                                               BankCodes &bankCodes, BankCodeSearchDialog &search,
                                               QWidget *parent)
    : QDialog(parent, widgets::FixedDialogFlags)
    , m_ui(ui)
    , m_bankCodes(bankCodes)
    , m_form(new TransferForm(TransferForm::Kind::Template, accountData, bankCodes, search, this)) {
    setObjectName(QStringLiteral("TUeberwBF"));
    setWindowTitle(QStringLiteral("Überweisungsvorlafen erfassen / ändern"));
    setModal(true);

    QPushButton *saveButton = PageButton(this, "Button2", QStringLiteral("Speichern"));
    QPushButton *closeButton = PageButton(this, "Button7", QStringLiteral("Schließen"));
    connect(saveButton, &QPushButton::clicked, this, &TransferTemplateDialog::save);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    m_form->setConfirmButton(saveButton);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton);
    buttons->addWidget(closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Scrolling(m_form, "ScrollBox1"));
    layout->addLayout(buttons);
}

bool TransferTemplateDialog::editNew(const Store &store) {
    m_original = core::SavedTransferRecord{};
    m_original.Waehrung.setUtf8("DM");
    m_form->selectFormType(20);
    m_form->showTemplate(m_original);
    return run(store);
}

bool TransferTemplateDialog::edit(const core::SavedTransferRecord &record, const Store &store) {
    if (record.Formular == core::SepaTemplateForm) {
        if (!m_sepaEditor)
            m_sepaEditor = new SepaTemplateDialog(m_ui, m_bankCodes, parentWidget());
        return m_sepaEditor->edit(record, store);
    }
    m_original = record;
    m_form->selectFormType(record.Formular);
    m_form->showTemplate(record);
    return run(store);
}

bool TransferTemplateDialog::run(const Store &store) {
    m_store = store;
    const bool stored = m_ui.runModal(*this) == QDialog::Accepted;
    m_store = nullptr;
    return stored;
}

void TransferTemplateDialog::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    FitIntoScreen(*this);
}

void TransferTemplateDialog::save() {
    // A template may leave the amount to be typed when it is used; one it holds must print.
    QLineEdit &amount = m_form->amountEdit();
    if (!amount.text().trimmed().isEmpty()) {
        if (const auto read = core::ReadPaymentAmount(amount.text().toStdString()); !read) {
            RefuseAmount(m_ui, ErrorTemplateAmount, read.error().message, amount);
            return;
        }
    }
    core::SavedTransferRecord record = m_form->toTemplate();
    record.reserved = m_original.reserved;
    if (m_store && m_store(record))
        accept();
}

} // namespace penvaro::payments
