#include "sepatemplatedialog.h"

#include "pagebuttons.h"
#include "sepafields.h"

#include "core/iban.h"
#include "core/sepatransfer.h"
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
    m_bic = field("EBIC", QStringLiteral("&BIC"), 14, QStringLiteral("im EWR nicht nötig"));
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

void SepaTemplateDialog::save() {
    // The amount is kept as typed, not as read; left empty, it is typed when the template is paid.
    const QString amount = m_amount->text().trimmed();
    const auto checked = CheckSepaFields(m_ui, m_bankCodes,
                                         {{m_name->text(), m_name},
                                          {m_iban->text(), m_iban},
                                          {m_bic->text(), m_bic},
                                          {amount, m_amount},
                                          {m_purpose->text(), m_purpose}},
                                         EmptyAmount::Allowed);
    if (!checked)
        return;
    core::SepaTemplate sepa = m_original;
    sepa.name = checked->name;
    sepa.iban = checked->iban;
    sepa.bic = checked->bic;
    sepa.amount = amount.toStdString();
    sepa.purpose = checked->purpose;
    if (m_store && m_store(core::SepaTemplateRecord(sepa)))
        accept();
}

} // namespace penvaro::payments
