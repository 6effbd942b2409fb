#include "savedtransferspage.h"

#include "pagebuttons.h"
#include "savedtransfersmodel.h"
#include "transfertemplatedialog.h"

#include "platform/uiservice.h"
#include "widgets/rowtable.h"
#include "widgets/widesttext.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace penvaro::payments {
namespace {

constexpr int RowHeight = 18;

QString Text(const std::string &utf8) {
    return QString::fromStdString(utf8);
}

} // namespace

SavedTransfersPage::SavedTransfersPage(platform::UiService &ui, TransferTemplateDialog &editor,
                                       QWidget *parent)
    : QWidget(parent)
    , m_ui(ui)
    , m_editor(editor)
    , m_model(new SavedTransfersModel(m_list, this))
    , m_table(new QTableView(this)) {
    m_enter = PageButton(this, "SpeedButton8", QStringLiteral("Eingeben"));
    m_enter->setToolTip(QStringLiteral("Daten eingeben"));
    m_edit = PageButton(this, "SpeedButton9", QStringLiteral("Bearbeiten"));
    m_edit->setToolTip(QStringLiteral("Daten bearbeiten"));
    m_delete = PageButton(this, "SpeedButton7", QStringLiteral("Löschen"));
    m_delete->setToolTip(QStringLiteral("Daten löschen"));
    connect(m_enter, &QPushButton::clicked, this, &SavedTransfersPage::enterTemplate);
    connect(m_edit, &QPushButton::clicked, this, &SavedTransfersPage::editTemplate);
    connect(m_delete, &QPushButton::clicked, this, &SavedTransfersPage::deleteTemplate);

    m_table->setObjectName(QStringLiteral("SUeberw"));
    m_table->setAccessibleName(QStringLiteral("Gespeicherte Überweisungen"));
    m_table->setModel(m_model);
    widgets::SetUpRowTable(*m_table);
    widgets::SetRowHeight(*m_table, RowHeight);
    widgets::SetWrittenColumnWidths(*m_table, SavedTransfersModel::columns());
    connect(m_table, &QAbstractItemView::doubleClicked, this, [this] {
        if (const auto row = currentRow())
            Q_EMIT templateChosen(m_list.records[*row - 1]);
    });

    auto *note =
        new QLabel(QStringLiteral("Um eine gespeicherte Überweisung zu benutzen, einfach auf diese "
                                  "doppelklicken!"),
                   this);
    note->setObjectName(QStringLiteral("LBenutzen"));
    note->setWordWrap(true);
    note->setBuddy(m_table);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {m_enter, m_edit, m_delete})
        buttons->addWidget(button);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(note);
    layout->addWidget(m_table, 1);
}

void SavedTransfersPage::load(const std::filesystem::path &accountFile) {
    m_list = {};
    m_usable = false;
    m_path.clear();
    if (!accountFile.empty()) {
        if (const auto name = core::SavedTransferFileName(accountFile)) {
            m_path = *name;
            reload();
        }
    }
    showList();
}

bool SavedTransfersPage::appendPrinted(const core::SavedTransferRecord &record) {
    if (!m_usable)
        return false;
    // The file as it is now decides whether the transfer is kept already.
    reload();
    const bool kept = std::ranges::any_of(
        m_list.records, [&](const auto &saved) { return core::SameTransfer(saved, record); });
    if (kept) {
        showList();
        return true;
    }
    if (!m_usable
        || !platform::ReportFailure(m_ui, core::AppendSavedTransferToFile(record, m_path)))
        return false;
    reload();
    showList();
    return true;
}

void SavedTransfersPage::reload() {
    auto loaded = core::LoadSavedTransfers(m_path);
    if (!loaded) {
        m_list = {};
        m_usable = false;
        m_ui.showFailure(Text(loaded.error().message));
        return;
    }
    m_list = std::move(*loaded);
    m_usable = true;
    if (!m_list.cutShort.empty())
        m_ui.information(Text(m_list.cutShort));
}

void SavedTransfersPage::showList() {
    const QModelIndex previous = m_table->currentIndex();
    m_model->reload();
    fitSepaColumns();
    if (!m_list.records.empty()) {
        const int row = std::clamp(previous.isValid() ? previous.row() : 0, 0,
                                   static_cast<int>(m_list.records.size()) - 1);
        m_table->setCurrentIndex(m_model->index(row, 0));
    }
    for (QPushButton *button : {m_enter, m_edit, m_delete})
        button->setEnabled(m_usable);
}

// An IBAN or a BIC cut short is no use to anyone; the paper list's widths leave room for a
// German IBAN in groups at most, and a foreign one runs to 34 characters.
void SavedTransfersPage::fitSepaColumns() {
    const QFontMetrics metrics(m_table->font());
    for (const int col : {SavedTransfersModel::IbanColumn, SavedTransfersModel::BicColumn}) {
        int width = SavedTransfersModel::columns()[static_cast<std::size_t>(col)].width;
        for (int row = 0; row < m_model->rowCount(); ++row)
            width = std::max(width,
                             metrics.horizontalAdvance(m_model->index(row, col).data().toString())
                                 + widgets::CellPadding);
        m_table->setColumnWidth(col, width);
    }
    widgets::KeepColumnsInView(*m_table);
}

std::optional<std::size_t> SavedTransfersPage::currentRow() const {
    if (m_list.records.empty())
        return std::nullopt;
    // Without a current row the commands act on the first.
    const QModelIndex current = m_table->currentIndex();
    return static_cast<std::size_t>(std::clamp(current.isValid() ? current.row() + 1 : 1, 1,
                                               static_cast<int>(m_list.records.size())));
}

void SavedTransfersPage::enterTemplate() {
    if (!m_usable)
        return;
    m_editor.editNew([this](const core::SavedTransferRecord &record) {
        return platform::ReportFailure(m_ui, core::AppendSavedTransfer(m_list, record, m_path));
    });
    reload();
    showList();
}

void SavedTransfersPage::editTemplate() {
    const auto row = currentRow();
    if (!m_usable || !row)
        return;
    m_editor.edit(m_list.records[*row - 1], [this, row](const core::SavedTransferRecord &record) {
        return platform::ReportFailure(m_ui,
                                       core::ReplaceSavedTransfer(m_list, *row, record, m_path));
    });
    reload();
    showList();
}

void SavedTransfersPage::deleteTemplate() {
    const auto row = currentRow();
    if (!m_usable || !row)
        return;
    if (m_ui.askYesNo(QStringLiteral("Wollen Sie wirklich den aktuellen Datensatz löschen?"),
                      platform::Answer::No)
        != platform::Answer::Yes)
        return;
    platform::ReportFailure(m_ui, core::DeleteSavedTransfer(m_list, *row, m_path));
    reload();
    showList();
}

} // namespace penvaro::payments
