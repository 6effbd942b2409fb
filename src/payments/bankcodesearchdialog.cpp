#include "bankcodesearchdialog.h"

#include "bankcodes.h"
#include "bankofficesmodel.h"

#include "platform/uiservice.h"
#include "widgets/rowtable.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace penvaro::payments {
namespace {

constexpr int RowHeight = 18;

} // namespace

BankCodeSearchDialog::BankCodeSearchDialog(platform::UiService &ui, BankCodes &bankCodes,
                                           QWidget *parent)
    // A tool window with only a close box.
    : QDialog(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_ui(ui)
    , m_bankCodes(bankCodes)
    , m_name(new QLineEdit(this))
    , m_place(new QLineEdit(this))
    , m_offices(new BankOfficesModel(this))
    , m_table(new QTableView(this)) {
    setObjectName(QStringLiteral("TBLZSucheF"));
    setWindowTitle(QStringLiteral("Bankleitzahlen finden - leicht gemacht ..."));
    setModal(true);

    auto *heading = new QLabel(QStringLiteral("Bankleitzahlsuchsystem"), this);
    heading->setObjectName(QStringLiteral("Label1"));
    QFont large = heading->font();
    large.setPointSizeF(large.pointSizeF() * 1.5);
    large.setBold(true);
    heading->setFont(large);
    auto *instruction = new QLabel(
        QStringLiteral("Bitte geben Sie den Bankname und den Ort ein, und klicken Sie dann auf "
                       "Suchen. Dann einfach in der unteren Tabelle die gewünschte Bank per "
                       "Doppelklick auswählen!"),
        this);
    instruction->setObjectName(QStringLiteral("Label2"));
    instruction->setWordWrap(true);

    m_name->setObjectName(QStringLiteral("EBankname"));
    auto *nameLabel = new QLabel(QStringLiteral("Bankname"), this);
    nameLabel->setObjectName(QStringLiteral("LBankname"));
    nameLabel->setBuddy(m_name);
    m_place->setObjectName(QStringLiteral("EOrt"));
    auto *placeLabel = new QLabel(QStringLiteral("Ort"), this);
    placeLabel->setObjectName(QStringLiteral("LOrt"));
    placeLabel->setBuddy(m_place);

    auto *searchButton = new QPushButton(QStringLiteral("Suchen"), this);
    searchButton->setObjectName(QStringLiteral("Button1"));
    // Enter in either edit searches.
    searchButton->setDefault(true);
    connect(searchButton, &QPushButton::clicked, this, &BankCodeSearchDialog::search);
    auto *closeButton = new QPushButton(QStringLiteral("Schließen"), this);
    closeButton->setObjectName(QStringLiteral("Button2"));
    closeButton->setAutoDefault(false);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);

    m_table->setObjectName(QStringLiteral("StringGrid1"));
    m_table->setAccessibleName(QStringLiteral("Gefundene Banken"));
    m_table->setModel(m_offices);
    widgets::SetUpRowTable(*m_table);
    widgets::SetRowHeight(*m_table, RowHeight);
    connect(m_table, &QAbstractItemView::doubleClicked, this,
            &BankCodeSearchDialog::pickCurrentRow);
    auto *gridLabel = new QLabel(QStringLiteral("Gefundene Banken"), this);
    gridLabel->setObjectName(QStringLiteral("LStringGrid1"));
    gridLabel->setBuddy(m_table);

    auto *fields = new QGridLayout;
    fields->addWidget(nameLabel, 0, 0);
    fields->addWidget(m_name, 0, 1);
    fields->addWidget(placeLabel, 1, 0);
    fields->addWidget(m_place, 1, 1);
    fields->addWidget(searchButton, 0, 2);
    fields->addWidget(closeButton, 1, 2);
    fields->setColumnStretch(1, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(instruction);
    layout->addLayout(fields);
    layout->addWidget(gridLabel);
    layout->addWidget(m_table, 1);

    widgets::SetWrittenColumnWidths(*m_table, BankOfficesModel::columns());
    m_table->setMinimumHeight(10 * RowHeight);
}

std::optional<QString> BankCodeSearchDialog::chooseBankCode() {
    m_picked.reset();
    m_name->clear();
    m_place->clear();
    m_offices->setOffices({});
    m_name->setFocus();
    if (m_ui.runModal(*this) != QDialog::Accepted)
        return std::nullopt;
    return m_picked;
}

void BankCodeSearchDialog::search() {
    auto found = m_bankCodes.search(m_name->text(), m_place->text());
    m_offices->setOffices(found ? std::move(*found) : std::vector<core::BankOffice>{});
    if (found)
        m_table->setCurrentIndex(m_offices->index(0, 0));
}

void BankCodeSearchDialog::pickCurrentRow() {
    // The empty row that ends the list picks nothing rather than emptying the bank code field.
    const core::BankOffice *office = m_offices->officeAt(m_table->currentIndex().row());
    if (!office || office->Bankleitzahl.empty())
        return;
    m_picked = QString::fromStdString(office->Bankleitzahl);
    accept();
}

} // namespace penvaro::payments
