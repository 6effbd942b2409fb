#include "transferpage.h"

#include "pagebuttons.h"
#include "recipientmemory.h"
#include "transferform.h"

#include "platform/appstate.h"
#include "platform/uiservice.h"

#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace penvaro::payments {

TransferPage::TransferPage(platform::AppState &state, BankCodes &bankCodes,
                           BankCodeSearchDialog &search, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_form(new TransferForm(TransferForm::Kind::Page, state.settings(), bankCodes, search, this))
    , m_saveAsTemplate(new QCheckBox(QStringLiteral("Als Überweisungsvorlage speichern"), this)) {
    m_saveAsTemplate->setObjectName(QStringLiteral("CBUeberwSave"));
    connect(m_form, &TransferForm::recipientChosen, this, &TransferPage::recallRecipient);

    QPushButton *receipt = PageButton(this, "Button7", QStringLiteral("Quittung drucken"));
    QPushButton *printer = PageButton(this, "Button2", QStringLiteral("Drucker ändern"));
    QPushButton *print = PageButton(this, "Button1", QStringLiteral("Drucken"));
    for (QPushButton *button : {receipt, printer, print})
        AwaitPrinting(button);
    m_form->setConfirmButton(print);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_form);
    layout->addWidget(m_saveAsTemplate);
    layout->addLayout(PageButtonRow(this, state.ui(), {receipt, printer, print}));
}

void TransferPage::prepare() {
    m_form->clearOrder();
    if (const auto names = RememberedNames(m_state.store(), TransferRecipientsKey()))
        m_form->setRecipientNames(*names);
    else
        platform::ShowError(m_state.ui(), ErrorListRecipients, QStringLiteral("Registry-Fehler"));
    m_form->chooseFormType(20);
}

void TransferPage::useTemplate(const core::SavedTransferRecord &record) {
    m_form->selectFormType(record.Formular);
    m_form->showTemplate(record);
}

void TransferPage::takeAccountData() {
    m_form->takeChangedAccountData();
}

void TransferPage::setTemplatesAvailable(bool available) {
    m_saveAsTemplate->setEnabled(available);
    if (!available)
        m_saveAsTemplate->setChecked(false);
}

TransferOrder TransferPage::order() const {
    TransferOrder order = m_form->order();
    order.saveAsTemplate = m_saveAsTemplate->isChecked();
    return order;
}

void TransferPage::recallRecipient(const QString &name) {
    const auto recalled = RecallRemembered(m_state.store(), TransferRecipientsKey(), name,
                                           {u"Kontonr", u"BLZ", u"Institut"});
    if (!recalled) {
        platform::ShowError(m_state.ui(), ErrorRecallRecipient, QStringLiteral("Registry-Fehler"));
        return;
    }
    m_form->setRecipientAccount(recalled->at(0), recalled->at(1), recalled->at(2));
}

} // namespace penvaro::payments
