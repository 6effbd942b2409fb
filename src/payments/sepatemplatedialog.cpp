#include "sepatemplatedialog.h"

#include "bankcodes.h"
#include "pagebuttons.h"
#include "sepafields.h"
#include "sepatransferpanel.h"

#include "core/iban.h"
#include "core/sepatransfer.h"
#include "core/typedamount.h"
#include "platform/uiservice.h"
#include "widgets/dialogflags.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace penvaro::payments {
namespace {

QString qt(const std::string &text) {
    return QString::fromStdString(text);
}

} // namespace

SepaTemplateDialog::SepaTemplateDialog(platform::UiService &ui, BankCodes &bankCodes,
                                       QWidget *parent)
    : QDialog(parent, widgets::FixedDialogFlags)
    , m_ui(ui)
    , m_bankCodes(bankCodes)
    , m_ibanCheck(IbanCheckLabel(this)) {
    setObjectName(QStringLiteral("TSepaVorlageF"));
    setWindowTitle(QStringLiteral("SEPA-Überweisungsvorlage ändern"));
    setModal(true);

    auto *form = new QFormLayout;
    const auto field = [&](const char *name, const QString &caption, int maxLength,
                           const QString &hint) {
        return AddSepaField(*form, this, name, caption, maxLength, hint);
    };
    m_name = field("ESepaEmpfaenger", QStringLiteral("&Empfänger (Name, Vorname / Firma)"),
                   static_cast<int>(core::SepaNameLength),
                   QStringLiteral("höchstens 70 Zeichen, auf dem Vordruck 27"));
    m_iban = field("EIBAN", QStringLiteral("&IBAN"), 42,
                   QStringLiteral("mit oder ohne Leerzeichen, z. B. DE89 3704 0044 0532 0130 00"));
    form->addRow(QString(), m_ibanCheck);
    m_bic = field("EBIC", QStringLiteral("&BIC"), 14,
                  QStringLiteral("innerhalb Deutschlands nicht nötig"));
    m_amount = field("ESepaBetrag", QStringLiteral("Betrag in E&uro"), 20,
                     QStringLiteral("leer: beim Bezahlen eingeben; z. B. 1.234,56"));
    m_purpose = field("ESepaVerwendung", QStringLiteral("&Verwendungszweck"),
                      static_cast<int>(core::SepaPurposeLength),
                      QStringLiteral("höchstens 140 Zeichen, auf dem Vordruck 2 × 27"));
    // Wide enough for the longest IBAN in groups and a line of the purpose.
    m_purpose->setMinimumWidth(m_purpose->fontMetrics().averageCharWidth() * 50);
    connect(m_iban, &QLineEdit::textChanged, this, &SepaTemplateDialog::showIbanCheck);

    QPushButton *saveButton = PageButton(this, "Button2", QStringLiteral("Speichern"));
    QPushButton *closeButton = PageButton(this, "Button7", QStringLiteral("Schließen"));
    saveButton->setDefault(true);
    connect(saveButton, &QPushButton::clicked, this, &SepaTemplateDialog::save);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton);
    buttons->addWidget(closeButton);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch();
    layout->addLayout(buttons);
}

bool SepaTemplateDialog::edit(const core::SavedTransferRecord &record, const Store &store) {
    m_original = core::SepaTemplateOf(record);
    m_name->setText(qt(m_original.name));
    m_iban->setText(qt(core::IbanInGroups(m_original.iban)));
    m_bic->setText(qt(m_original.bic));
    m_amount->setText(qt(m_original.amount));
    m_purpose->setText(qt(m_original.purpose));
    // Each text from its beginning, as it was typed.
    for (QLineEdit *edit : {m_name, m_iban, m_bic, m_amount, m_purpose})
        edit->setCursorPosition(0);
    m_name->setFocus(Qt::OtherFocusReason);
    m_store = store;
    const bool stored = m_ui.runModal(*this) == QDialog::Accepted;
    m_store = nullptr;
    return stored;
}

void SepaTemplateDialog::showIbanCheck() {
    m_ibanCheck->setText(IbanCheckText(m_bankCodes, m_iban->text()));
}

bool SepaTemplateDialog::refuse(std::int32_t code, const std::string &message, QWidget *field) {
    platform::ShowError(m_ui, code, qt(message));
    field->setFocus(Qt::OtherFocusReason);
    return false;
}

void SepaTemplateDialog::save() {
    // The checks of a SEPA transfer, so that a saved one can be paid as it is; only the amount
    // may stay empty, to be typed when the template is used.
    core::SepaTemplate sepa = m_original;
    const auto name = core::CheckSepaName(m_name->text().toStdString());
    if (!name) {
        refuse(SepaTransferPanel::NameMessage, name.error().message, m_name);
        return;
    }
    sepa.name = *name;
    const auto iban = m_bankCodes.checkIban(m_iban->text());
    if (!iban) {
        refuse(SepaTransferPanel::IbanMessage, iban.error().message, m_iban);
        return;
    }
    sepa.iban = iban->iban;
    const auto bic =
        core::CheckSepaBic(m_bic->text().toStdString(), iban->iban.substr(0, 2), iban->bic);
    if (!bic) {
        refuse(SepaTransferPanel::BicMessage, bic.error().message, m_bic);
        return;
    }
    sepa.bic = *bic;
    sepa.amount = m_amount->text().trimmed().toStdString();
    if (!sepa.amount.empty()) {
        const auto typed = core::ReadTypedAmount(sepa.amount);
        if (!typed) {
            refuse(SepaTransferPanel::AmountMessage, typed.error().message, m_amount);
            return;
        }
        if (const auto amount = core::CheckSepaAmount(*typed); !amount) {
            refuse(SepaTransferPanel::AmountMessage, amount.error().message, m_amount);
            return;
        }
    }
    const auto purpose = core::CheckSepaPurpose(m_purpose->text().toStdString());
    if (!purpose) {
        refuse(SepaTransferPanel::PurposeMessage, purpose.error().message, m_purpose);
        return;
    }
    sepa.purpose = *purpose;
    if (m_store && m_store(core::SepaTemplateRecord(sepa)))
        accept();
}

} // namespace penvaro::payments
