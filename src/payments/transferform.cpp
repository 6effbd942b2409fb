#include "transferform.h"

#include "bankcodes.h"
#include "bankcodesearchdialog.h"
#include "fieldnavigation.h"

#include "core/bankcodelist.h"
#include "core/settings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace penvaro::payments {
namespace {

struct FormTypeButton {
    const char *name;
    const char *caption;
    std::int16_t code;
};

constexpr FormTypeButton PageFormTypes[] = {
    {"RB05", "05", 5},
    {"RB16", "16", 16},
    {"RB18", "18", 18},
    {"RB20", "20", 20},
    {"RB24", "24", 24},
    {"RB51", "51", 51},
    {"RBPostbank", "Postbank", 99},
};
constexpr FormTypeButton TemplateFormTypes[] = {
    {"RB05", "05", 5},  {"RB18", "18", 18}, {"RB20", "20", 20},
    {"RB24", "24", 24}, {"RB51", "51", 51},
};

constexpr std::int16_t DirectDebit = 5;
constexpr std::int16_t WithBankCode = 16;
constexpr std::int16_t WithBankName = 18;
constexpr std::int16_t PlainTransfer = 20;
constexpr std::int16_t WithExecutionDate = 24;
constexpr std::int16_t CashOnDelivery = 51;
constexpr std::int16_t Postbank = 99;

QString Text(const std::string &utf8) {
    return QString::fromStdString(utf8);
}

// The form's texts are typed as they will be printed: bold, one width for every character.
QFont FieldFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setBold(true);
    return font;
}

QLabel *Caption(QWidget *parent, const QString &name, const QString &text, QWidget *buddy) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setBuddy(buddy);
    return label;
}

// Each field takes at most what its box on the paper form holds: the boxes of names, banks and
// purposes hold 27 characters, as their captions say; an account number 10 digits, a bank code
// 8, the currency 3 and the amount "999.999.999,99".
constexpr int TextBoxLength = 27;
constexpr int AccountNumberLength = 10;
constexpr int BankCodeLength = 8;
constexpr int CurrencyLength = 3;
constexpr int AmountLength = 14;
constexpr int DateLength = 10;
constexpr int PostbankALength = 4;
constexpr int PostbankDayLength = 6; // "05.11."

QLineEdit *Edit(QWidget *parent, const char *name, int maxLength) {
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFont(FieldFont());
    edit->setMaxLength(maxLength);
    return edit;
}

// A field with its label above it, as one box that is shown or hidden at once.
QWidget *Labelled(QWidget *parent, QLabel *label, QWidget *field, QWidget *beside = nullptr) {
    auto *box = new QWidget(parent);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    label->setParent(box);
    layout->addWidget(label);
    auto *row = new QHBoxLayout;
    field->setParent(box);
    row->addWidget(field, 1);
    if (beside) {
        beside->setParent(box);
        row->addWidget(beside);
    }
    layout->addLayout(row);
    return box;
}

QHBoxLayout *Row(QVBoxLayout *layout, std::initializer_list<std::pair<QWidget *, int>> boxes) {
    auto *row = new QHBoxLayout;
    for (const auto &[box, stretch] : boxes)
        row->addWidget(box, stretch);
    layout->addLayout(row);
    return row;
}

template<std::size_t Capacity>
void SetText(core::ShortText<Capacity> &field, const QString &text) {
    field.setUtf8(text.toStdString());
}

} // namespace

TransferForm::TransferForm(Kind kind, const core::Settings &accountData, BankCodes &bankCodes,
                           BankCodeSearchDialog &search, QWidget *parent)
    : QWidget(parent)
    , m_kind(kind)
    , m_accountData(accountData)
    , m_bankCodes(bankCodes)
    , m_search(search)
    , m_navigation(new FieldNavigation(this))
    , m_formTypes(new QButtonGroup(this)) {
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    buildFormTypes();
    buildFields();
    buildNavigation();
    m_formTypes->button(PlainTransfer)->setChecked(true);
    showFormTypeFields(PlainTransfer);
}

void TransferForm::buildFormTypes() {
    const bool page = m_kind == Kind::Page;
    auto *prompt = new QLabel(page ? QStringLiteral("Wählen Sie hier die Formularnummer aus, die "
                                                    "rechts unten auf Ihrem Bankformular steht:")
                                   : QStringLiteral("Formularnummer:"),
                              this);
    prompt->setObjectName(QStringLiteral("LFormular"));
    prompt->setWordWrap(true);
    auto *buttons = new QHBoxLayout;
    const std::span<const FormTypeButton> types =
        page ? std::span<const FormTypeButton>(PageFormTypes) : TemplateFormTypes;
    for (const FormTypeButton &type : types) {
        auto *button = new QRadioButton(QString::fromLatin1(type.caption), this);
        button->setObjectName(QString::fromLatin1(type.name));
        m_formTypes->addButton(button, type.code);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    prompt->setBuddy(m_formTypes->button(PlainTransfer));
    connect(m_formTypes, &QButtonGroup::idClicked, this,
            [this](int code) { switchFormType(static_cast<std::int16_t>(code)); });

    auto *layout = qobject_cast<QVBoxLayout *>(this->layout());
    layout->addWidget(prompt);
    layout->addLayout(buttons);
    if (!page) {
        m_keptFormType = new QLabel(this);
        m_keptFormType->setObjectName(QStringLiteral("LFormularBeibehalten"));
        m_keptFormType->setWordWrap(true);
        m_keptFormType->hide();
        layout->addWidget(m_keptFormType);
    }
}

void TransferForm::buildFields() {
    m_auftraggeberBank = Edit(this, "EAuftraggeberBank", TextBoxLength);
    m_auftraggeberBlz = Edit(this, "EAuftraggeberBLZ", BankCodeLength);
    m_empfaenger = new QComboBox(this);
    m_empfaenger->setObjectName(QStringLiteral("EEmpfaenger"));
    m_empfaenger->setEditable(true);
    m_empfaenger->setInsertPolicy(QComboBox::NoInsert);
    m_empfaenger->setFont(FieldFont());
    m_empfaenger->lineEdit()->setMaxLength(TextBoxLength);
    m_kontonr = Edit(this, "EKontonr", AccountNumberLength);
    m_blz = Edit(this, "EBLZ", BankCodeLength);
    m_blz->setInputMask(QStringLiteral("00000000;-"));
    m_bankSearch = new QToolButton(this);
    m_bankSearch->setObjectName(QStringLiteral("BitBtn1"));
    m_bankSearch->setText(QStringLiteral("…"));
    m_bankSearch->setToolTip(QStringLiteral("Bankleitzahlsuche !"));
    m_bankSearch->setAccessibleName(QStringLiteral("Bankleitzahlsuche"));
    connect(m_bankSearch, &QToolButton::clicked, this, &TransferForm::searchBank);
    m_bank = Edit(this, "EBank", TextBoxLength);
    // An unknown code is the user's to mend; the bank's name stays theirs, and the hint is no
    // part of the printed form.
    m_bankHint = new QLabel(QStringLiteral("Bankleitzahl nicht vorhanden"), this);
    m_bankHint->setObjectName(QStringLiteral("LBLZUnbekannt"));
    m_bankHint->setStyleSheet(QStringLiteral("color: #c00000;"));
    m_bankHint->hide();
    m_currency = Edit(this, "EDMEUR", CurrencyLength);
    m_betrag = Edit(this, "EBetrag", AmountLength);
    m_verwendung1 = Edit(this, "EVerwendung1", TextBoxLength);
    m_verwendung2 = Edit(this, "EVerwendung2", TextBoxLength);
    m_auftraggeber = Edit(this, "EAuftraggeber", TextBoxLength);
    m_eigeneKontonr = Edit(this, "EEigeneKontonr", AccountNumberLength);
    m_ausfuehrungsdatum = Edit(this, "EAusfuehrungsdatum", DateLength);
    m_anschrift = new QCheckBox(
        QStringLiteral("Bitte ankreuzen, wenn Anschrift weitergegeben werden soll!"), this);
    m_anschrift->setObjectName(QStringLiteral("CBAnschriftweitergabe"));

    m_empfaengerLabel = Caption(this, QStringLiteral("LEmpfaenger"), {}, m_empfaenger);
    m_kontonrLabel = Caption(this, QStringLiteral("LKontonr"), {}, m_kontonr);
    m_auftraggeberLabel = Caption(this, QStringLiteral("LAuftraggeber"), {}, m_auftraggeber);
    m_eigeneKontonrLabel = Caption(this, QStringLiteral("LEigeneKontonr"), {}, m_eigeneKontonr);
    setPartyLabels(false);

    m_auftraggeberBankBox = Labelled(
        this,
        Caption(this, QStringLiteral("LAuftraggeberBank"),
                QStringLiteral("Name und Sitz des beauftragten Kreditintitus"), m_auftraggeberBank),
        m_auftraggeberBank);
    m_auftraggeberBlzBox =
        Labelled(this,
                 Caption(this, QStringLiteral("LAuftraggeberBLZ"),
                         QStringLiteral("Bankleitzahl des Auftraggebers"), m_auftraggeberBlz),
                 m_auftraggeberBlz);
    m_eigeneKontonrBox = Labelled(this, m_eigeneKontonrLabel, m_eigeneKontonr);
    auto *dateHint = new QLabel(QStringLiteral("Nur bei Bedarf angeben!"), this);
    dateHint->setObjectName(QStringLiteral("LNurBeiBedarf"));
    m_ausfuehrungsdatumBox =
        Labelled(this,
                 Caption(this, QStringLiteral("LAusfuehrungsdatum"),
                         QStringLiteral("Ausführungsdatum TTMMJJ"), m_ausfuehrungsdatum),
                 m_ausfuehrungsdatum, dateHint);

    auto *layout = qobject_cast<QVBoxLayout *>(this->layout());
    Row(layout, {{m_auftraggeberBankBox, 3}, {m_auftraggeberBlzBox, 1}});
    Row(layout, {{Labelled(this, m_empfaengerLabel, m_empfaenger), 1}});
    Row(layout,
        {{Labelled(this, m_kontonrLabel, m_kontonr), 1},
         {Labelled(this,
                   Caption(this, QStringLiteral("LBLZ"), QStringLiteral("Bankleitzahl"), m_blz),
                   m_blz, m_bankSearch),
          1}});
    Row(layout,
        {{Labelled(this,
                   Caption(this, QStringLiteral("LBank"),
                           QStringLiteral("bei (Kreditinstitut) --- maximal 27 Zeichen!"), m_bank),
                   m_bank, m_bankHint),
          1}});
    Row(layout,
        {{Labelled(
              this,
              Caption(this, QStringLiteral("LDMEUR"), QStringLiteral("DM oder EUR"), m_currency),
              m_currency),
          1},
         {Labelled(this,
                   Caption(this, QStringLiteral("LBetrag"), QStringLiteral("Betrag"), m_betrag),
                   m_betrag),
          2}});
    Row(layout, {{Labelled(this,
                           Caption(this, QStringLiteral("LVerwendung1"),
                                   QStringLiteral("Verwendungszweck - z.B. Kunden-Referenznummer - "
                                                  "(nur für Empfänger) --- maximal 27 Zeichen !"),
                                   m_verwendung1),
                           m_verwendung1),
                  1}});
    Row(layout, {{Labelled(this,
                           Caption(this, QStringLiteral("LVerwendung2"),
                                   QStringLiteral("noch Verwendungszweck (ggf. Anschrift des "
                                                  "Auftraggebers: Straße, PLZ, Ort) --- maximal 27 "
                                                  "Zeichen!"),
                                   m_verwendung2),
                           m_verwendung2),
                  1}});
    Row(layout, {{Labelled(this, m_auftraggeberLabel, m_auftraggeber), 1}});
    Row(layout, {{m_eigeneKontonrBox, 1}, {m_ausfuehrungsdatumBox, 1}});
    layout->addWidget(m_anschrift);

    if (m_kind == Kind::Page) {
        m_postbankA = Edit(this, "EPostbankA", PostbankALength);
        m_postbankA->setToolTip(QStringLiteral("Auftragsbearbeitung"));
        m_postbankB = Edit(this, "EPostbankB", PostbankDayLength);
        m_postbankB->setInputMask(QStringLiteral("00.00.; "));
        m_postbankB->setToolTip(QStringLiteral("Ausführungsdatum"));
        m_postbankC = new QCheckBox(QStringLiteral("Buchungsbestätigung"), this);
        m_postbankC->setObjectName(QStringLiteral("EPostbankC"));
        m_postbankBox = new QWidget(this);
        auto *postbank = new QHBoxLayout(m_postbankBox);
        postbank->setContentsMargins(0, 0, 0, 0);
        postbank->addWidget(
            Labelled(m_postbankBox,
                     Caption(this, QStringLiteral("LPostbankA"), QStringLiteral("A"), m_postbankA),
                     m_postbankA),
            2);
        postbank->addWidget(
            Labelled(m_postbankBox,
                     Caption(this, QStringLiteral("LPostbankB"), QStringLiteral("B"), m_postbankB),
                     m_postbankB),
            1);
        postbank->addWidget(
            Labelled(m_postbankBox,
                     Caption(this, QStringLiteral("LPostbankC"), QStringLiteral("C"), m_postbankC),
                     m_postbankC),
            1);
        layout->addWidget(m_postbankBox);
    }
    layout->addStretch();
}

void TransferForm::buildNavigation() {
    const auto confirmUnless = [this](QWidget *field) {
        return [this, field] { return field->isVisibleTo(this) ? field : m_confirm; };
    };
    m_navigation->onEnter(m_auftraggeberBank, m_auftraggeberBlz);
    m_navigation->onEnter(m_auftraggeberBlz, m_empfaenger);
    m_navigation->onEnter(m_empfaenger, m_kontonr);
    m_navigation->onEnter(m_kontonr, m_blz);
    m_navigation->onEnter(m_blz, m_bank);
    m_navigation->onEnter(m_currency, m_betrag);
    m_navigation->onEnter(m_betrag, m_verwendung1);
    m_navigation->onEnter(m_verwendung1, m_verwendung2);
    m_navigation->onEnter(m_verwendung2, m_auftraggeber);
    m_navigation->onEnter(m_auftraggeber, confirmUnless(m_eigeneKontonr));
    m_navigation->onEnter(m_eigeneKontonr, confirmUnless(m_ausfuehrungsdatum));
    if (m_kind == Kind::Page)
        m_navigation->onEnter(m_ausfuehrungsdatum, [this] { return m_confirm; });

    m_navigation->onLeave(m_blz, [this] {
        lookUpBank();
        m_currency->setFocus(Qt::OtherFocusReason);
    });
    if (m_kind == Kind::Page) {
        m_navigation->onLeave(m_empfaenger,
                              [this] { Q_EMIT recipientChosen(m_empfaenger->currentText()); });
        connect(m_empfaenger, &QComboBox::activated, this,
                [this] { Q_EMIT recipientChosen(m_empfaenger->currentText()); });
    }
}

std::int16_t TransferForm::formType() const {
    const int checked = m_formTypes->checkedId();
    return checked > 0 ? static_cast<std::int16_t>(checked) : m_templateFormType;
}

void TransferForm::chooseFormType(std::int16_t code) {
    if (QAbstractButton *button = m_formTypes->button(code))
        button->setChecked(true);
    switchFormType(code);
}

void TransferForm::selectFormType(std::int16_t code) {
    if (m_kind == Kind::Template) {
        m_templateFormType = code;
        QAbstractButton *button = m_formTypes->button(code);
        if (button) {
            button->setChecked(true);
        } else if (QAbstractButton *checked = m_formTypes->checkedButton()) {
            // A type without a button of its own is kept until the user chooses another.
            m_formTypes->setExclusive(false);
            checked->setChecked(false);
            m_formTypes->setExclusive(true);
        }
        showFormTypeFields(code);
        return;
    }
    if (m_formTypes->checkedId() != code)
        chooseFormType(code);
}

void TransferForm::switchFormType(std::int16_t code) {
    if (m_kind == Kind::Template) {
        m_templateFormType = code;
        showFormTypeFields(code);
        return;
    }
    resetPage();
    showFormTypeFields(code);
    switch (code) {
    case CashOnDelivery:
        m_currency->clear();
        // The user's own account is the one credited; whoever pays in is typed.
        m_kontonr->setText(Text(m_accountData.accountNumber));
        m_empfaenger->setEditText(Text(m_accountData.accountHolder));
        m_blz->setText(Text(m_accountData.bankCode));
        lookUpBank();
        m_filledAccount = recipientAccount();
        break;
    case Postbank:
        break;
    default:
        fillOwnAccount();
        break;
    }
}

void TransferForm::resetPage() {
    m_empfaenger->setEditText(QString());
    for (QLineEdit *edit : {m_kontonr, m_blz, m_bank, m_eigeneKontonr, m_auftraggeber})
        edit->clear();
    m_bankHint->hide();
    m_currency->setText(QStringLiteral("EUR"));
    m_filledAccount = recipientAccount();
}

void TransferForm::showFormTypeFields(std::int16_t code) {
    // The widgets stay hidden until their window shows them; what counts is what it will show.
    m_auftraggeberBankBox->setVisible(code == WithBankName);
    m_auftraggeberBlzBox->setVisible(code == WithBankCode || code == WithBankName
                                     || code == WithExecutionDate);
    m_ausfuehrungsdatumBox->setVisible(code == WithExecutionDate);
    m_anschrift->setVisible(code == WithExecutionDate);
    m_eigeneKontonrBox->setVisible(code != CashOnDelivery);
    if (m_postbankBox)
        m_postbankBox->setVisible(code == Postbank);
    setPartyLabels(code == DirectDebit);
    if (m_keptFormType) {
        const bool kept = m_formTypes->button(code) == nullptr;
        m_keptFormType->setVisible(kept);
        m_keptFormType->setText(
            kept ? QStringLiteral("Diese Vorlage gehört zum Formular %1; sie behält es, solange "
                                  "Sie keine andere Formularnummer wählen.")
                       .arg(code == Postbank ? QStringLiteral("Postbank") : QString::number(code))
                 : QString());
    }
}

void TransferForm::setPartyLabels(bool directDebit) {
    if (directDebit) {
        m_empfaengerLabel->setText(QStringLiteral("Zahlungspflichtiger: Name, Vorname / Firma"));
        m_kontonrLabel->setText(QStringLiteral("Konto-Nr. des Zahlungspflichtigen"));
        m_auftraggeberLabel->setText(QStringLiteral("Zahlungsempfänger: Name, Vorname / Firma"));
        m_eigeneKontonrLabel->setText(QStringLiteral("Konto-Nr. des Zahlungsempfängers"));
        return;
    }
    m_empfaengerLabel->setText(QStringLiteral("Empfänger: Name, Vorname / Firma"));
    m_kontonrLabel->setText(QStringLiteral("Konto-Nr. des Empfängers"));
    m_auftraggeberLabel->setText(QStringLiteral("Auftraggeber: Name, Vorname / Firma"));
    m_eigeneKontonrLabel->setText(QStringLiteral("Konto-Nr. des Auftraggebers"));
}

void TransferForm::fillOwnAccount() {
    m_eigeneKontonr->setText(Text(m_accountData.accountNumber));
    m_auftraggeberBank->setText(Text(m_accountData.bankName));
    m_auftraggeberBlz->setText(Text(m_accountData.bankCode));
    m_auftraggeber->setText(Text(m_accountData.accountHolder));
}

void TransferForm::takeChangedAccountData() {
    m_eigeneKontonr->setText(Text(m_accountData.accountNumber));
    m_auftraggeberBlz->setText(Text(m_accountData.bankCode));
    m_auftraggeber->setText(Text(m_accountData.accountHolder));
}

void TransferForm::clearOrder() {
    m_empfaenger->clear();
    m_empfaenger->setEditText(QString());
    for (QLineEdit *edit :
         {m_kontonr, m_blz, m_bank, m_betrag, m_verwendung1, m_verwendung2, m_ausfuehrungsdatum})
        edit->clear();
    m_bankHint->hide();
    m_currency->setText(QStringLiteral("EUR"));
    m_filledAccount = recipientAccount();
}

void TransferForm::setRecipientNames(const QStringList &names) {
    const QString typed = m_empfaenger->currentText();
    m_empfaenger->clear();
    m_empfaenger->addItems(names);
    m_empfaenger->setEditText(typed);
}

void TransferForm::setRecipientAccount(const RecipientAccount &account) {
    m_kontonr->setText(account.kontonr);
    m_blz->setText(account.blz);
    m_bank->setText(account.bank);
    m_bankHint->hide();
    m_filledAccount = recipientAccount();
}

TransferForm::RecipientAccount TransferForm::recipientAccount() const {
    return {m_kontonr->text(), m_blz->text(), m_bank->text()};
}

bool TransferForm::recipientAccountIsTheUsers() const {
    const RecipientAccount shown = recipientAccount();
    return shown != m_filledAccount && shown != RecipientAccount{};
}

void TransferForm::showTemplate(const core::SavedTransferRecord &record) {
    m_auftraggeberBank->setText(Text(record.AuftraggeberBank.toUtf8()));
    m_auftraggeberBlz->setText(Text(record.AuftraggeberBLZ.toUtf8()));
    m_empfaenger->setEditText(Text(record.Empfaenger.toUtf8()));
    m_kontonr->setText(Text(record.EmpfaengerKontonr.toUtf8()));
    m_blz->setText(Text(record.EmpfaengerBLZ.toUtf8()));
    lookUpBank();
    m_currency->setText(Text(record.Waehrung.toUtf8()));
    m_betrag->setText(Text(record.BetragText.toUtf8()));
    m_verwendung1->setText(Text(record.Verwendung1.toUtf8()));
    m_verwendung2->setText(Text(record.Verwendung2.toUtf8()));
    m_auftraggeber->setText(Text(record.Auftraggeber.toUtf8()));
    m_eigeneKontonr->setText(Text(record.EigeneKontonr.toUtf8()));
    m_ausfuehrungsdatum->setText(Text(record.Ausfuehrungsdatum.toUtf8()));
    m_anschrift->setChecked(record.Anschriftweitergabe != 0);
}

core::SavedTransferRecord TransferForm::toTemplate() const {
    core::SavedTransferRecord record;
    record.Formular = formType();
    SetText(record.AuftraggeberBank, m_auftraggeberBank->text());
    SetText(record.AuftraggeberBLZ, m_auftraggeberBlz->text());
    SetText(record.Empfaenger, m_empfaenger->currentText());
    SetText(record.EmpfaengerKontonr, m_kontonr->text());
    SetText(record.EmpfaengerBLZ, m_blz->text());
    SetText(record.Waehrung, m_currency->text());
    SetText(record.BetragText, m_betrag->text());
    SetText(record.Verwendung1, m_verwendung1->text());
    SetText(record.Verwendung2, m_verwendung2->text());
    SetText(record.Auftraggeber, m_auftraggeber->text());
    SetText(record.EigeneKontonr, m_eigeneKontonr->text());
    record.Anschriftweitergabe = m_anschrift->isChecked() ? 1 : 0;
    SetText(record.Ausfuehrungsdatum, m_ausfuehrungsdatum->text());
    return record;
}

core::TransferOrder TransferForm::order() const {
    const auto text = [](const QLineEdit *edit) { return edit->text().toStdString(); };
    core::TransferOrder order;
    order.form = static_cast<core::PaymentFormType>(formType());
    order.AuftraggeberBank = text(m_auftraggeberBank);
    order.AuftraggeberBLZ = text(m_auftraggeberBlz);
    order.Empfaenger = m_empfaenger->currentText().toStdString();
    order.Kontonr = text(m_kontonr);
    order.BLZ = text(m_blz);
    order.Bank = text(m_bank);
    order.DMEUR = text(m_currency);
    order.Betrag = text(m_betrag);
    order.Verwendung1 = text(m_verwendung1);
    order.Verwendung2 = text(m_verwendung2);
    order.Auftraggeber = text(m_auftraggeber);
    order.EigeneKontonr = text(m_eigeneKontonr);
    order.Ausfuehrungsdatum = text(m_ausfuehrungsdatum);
    order.Anschriftweitergabe = m_anschrift->isChecked();
    if (m_postbankA) {
        order.PostbankA = text(m_postbankA);
        // Both digit pairs where the print expects them, blanks where nothing was typed.
        order.PostbankB = m_postbankB->displayText().toStdString();
        order.PostbankC = m_postbankC->isChecked();
    }
    return order;
}

void TransferForm::lookUpBank() {
    ShowBankOfCode(m_bankCodes, m_blz->text(), *m_bankHint, *m_bank);
}

void TransferForm::searchBank() {
    const auto code = m_search.chooseBankCode();
    if (!code)
        return;
    m_blz->setText(*code);
    lookUpBank();
    m_currency->setFocus(Qt::OtherFocusReason);
}

} // namespace penvaro::payments
