#include "bankcodesearchdialog.h"

#include "bankcodes.h"

#include "platform/uiservice.h"
#include "widgets/stringgrid.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace penvaro::payments {
namespace {

struct Column {
    const char16_t *title;
    int width;
};

constexpr Column Columns[] = {
    {u"Bankleitzahl", 64},
    {u"Bankname", 250},
    {u"PLZ", 40},
    {u"Ort", 120},
};
constexpr int RowHeight = 18;

QString Text(const std::string &utf8) {
    return QString::fromStdString(utf8);
}

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
    , m_grid(new widgets::StringGrid(this)) {
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

    m_grid->setObjectName(QStringLiteral("StringGrid1"));
    m_grid->setAccessibleName(QStringLiteral("Gefundene Banken"));
    m_grid->setFixedColumns(0);
    m_grid->setOptions(widgets::StringGrid::RowSelect);
    m_grid->setColumnCount(static_cast<int>(std::size(Columns)));
    m_grid->setDefaultRowHeight(RowHeight);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &BankCodeSearchDialog::pickCurrentRow);
    auto *gridLabel = new QLabel(QStringLiteral("Gefundene Banken"), this);
    gridLabel->setObjectName(QStringLiteral("LStringGrid1"));
    gridLabel->setBuddy(m_grid);

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
    layout->addWidget(m_grid, 1);

    // The written widths, widened where the font would cut a title.
    const QFontMetrics metrics(m_grid->font());
    int width = 0;
    for (int col = 0; col < static_cast<int>(std::size(Columns)); ++col) {
        const QString title = QString::fromUtf16(Columns[col].title);
        const int columnWidth = std::max(Columns[col].width, metrics.horizontalAdvance(title)
                                                                 + 2 * metrics.averageCharWidth());
        m_grid->setColumnWidth(col, columnWidth);
        width += columnWidth;
    }
    m_grid->setMinimumWidth(width + 2 * m_grid->frameWidth()
                            + m_grid->verticalScrollBar()->sizeHint().width());
    m_grid->setMinimumHeight(10 * RowHeight);
}

std::optional<QString> BankCodeSearchDialog::chooseBankCode() {
    m_picked.reset();
    m_name->clear();
    m_place->clear();
    for (int col = 0; col < static_cast<int>(std::size(Columns)); ++col)
        m_grid->setCell(col, 0, QString::fromUtf16(Columns[col].title));
    resetGrid();
    m_name->setFocus();
    if (m_ui.runModal(*this) != QDialog::Accepted)
        return std::nullopt;
    return m_picked;
}

void BankCodeSearchDialog::resetGrid() {
    m_grid->setRowCount(2);
    m_grid->clearRow(1);
}

void BankCodeSearchDialog::search() {
    resetGrid();
    const auto found = m_bankCodes.search(m_name->text(), m_place->text());
    if (!found)
        return;
    m_grid->beginUpdate();
    // The list always ends in one empty row.
    m_grid->setRowCount(static_cast<int>(found->size()) + 2);
    int row = 1;
    for (const core::BankOffice &office : *found) {
        m_grid->setCell(0, row, Text(office.Bankleitzahl));
        m_grid->setCell(1, row, Text(office.Bankname));
        m_grid->setCell(2, row, Text(office.PLZ));
        m_grid->setCell(3, row, Text(office.Ort));
        ++row;
    }
    m_grid->clearRow(row);
    m_grid->endUpdate();
    m_grid->setCurrentCell(0, 1);
}

void BankCodeSearchDialog::pickCurrentRow() {
    // The empty row that ends the list picks nothing rather than emptying the bank code field.
    const int row = m_grid->currentRow();
    if (row < 1 || m_grid->cell(0, row).isEmpty())
        return;
    m_picked = m_grid->cell(0, row);
    accept();
}

} // namespace penvaro::payments
