#include "savedtransferspage.h"

#include "pagebuttons.h"
#include "transfertemplatedialog.h"

#include "platform/uiservice.h"
#include "widgets/stringgrid.h"

#include <QHBoxLayout>
#include <QLabel>
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
    {u"Empfänger", 110},   {u"Kontonummer", 70}, {u"Bankleitzahl", 60}, {u"Verwendung 1", 85},
    {u"Verwendung 2", 85}, {u"Währung", 25},     {u"Betrag", 65},
};
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
    , m_grid(new widgets::StringGrid(this)) {
    m_enter = PageButton(this, "SpeedButton8", QStringLiteral("Eingeben"));
    m_enter->setToolTip(QStringLiteral("Daten eingeben"));
    m_edit = PageButton(this, "SpeedButton9", QStringLiteral("Bearbeiten"));
    m_edit->setToolTip(QStringLiteral("Daten bearbeiten"));
    m_delete = PageButton(this, "SpeedButton7", QStringLiteral("Löschen"));
    m_delete->setToolTip(QStringLiteral("Daten löschen"));
    connect(m_enter, &QPushButton::clicked, this, &SavedTransfersPage::enterTemplate);
    connect(m_edit, &QPushButton::clicked, this, &SavedTransfersPage::editTemplate);
    connect(m_delete, &QPushButton::clicked, this, &SavedTransfersPage::deleteTemplate);

    m_grid->setObjectName(QStringLiteral("SUeberw"));
    m_grid->setAccessibleName(QStringLiteral("Gespeicherte Überweisungen"));
    m_grid->setFixedColumns(0);
    m_grid->setOptions(widgets::StringGrid::RowSelect);
    m_grid->setColumnCount(static_cast<int>(std::size(Columns)));
    m_grid->setDefaultRowHeight(RowHeight);
    // The written widths, widened where the font would cut a title.
    const QFontMetrics metrics(m_grid->font());
    int width = 0;
    for (int col = 0; col < static_cast<int>(std::size(Columns)); ++col) {
        const QString title = QString::fromUtf16(Columns[col].title);
        m_grid->setCell(col, 0, title);
        const int columnWidth = std::max(Columns[col].width, metrics.horizontalAdvance(title)
                                                                 + 2 * metrics.averageCharWidth());
        m_grid->setColumnWidth(col, columnWidth);
        width += columnWidth;
    }
    m_grid->setMinimumWidth(width + 2 * m_grid->frameWidth()
                            + m_grid->verticalScrollBar()->sizeHint().width());
    connect(m_grid, &QAbstractItemView::doubleClicked, this, [this] {
        if (const auto row = currentRow())
            Q_EMIT templateChosen(m_list.records[*row - 1]);
    });

    auto *note =
        new QLabel(QStringLiteral("Um eine gespeicherte Überweisung zu benutzen, einfach auf diese "
                                  "doppelklicken!"),
                   this);
    note->setObjectName(QStringLiteral("LBenutzen"));
    note->setWordWrap(true);
    note->setBuddy(m_grid);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {m_enter, m_edit, m_delete})
        buttons->addWidget(button);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(note);
    layout->addWidget(m_grid, 1);
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
    fillGrid();
}

bool SavedTransfersPage::appendPrinted(const core::SavedTransferRecord &record) {
    if (!m_usable)
        return false;
    // The file as it is now decides whether the transfer is kept already.
    reload();
    const bool kept = std::ranges::any_of(
        m_list.records, [&](const auto &saved) { return core::SameTransfer(saved, record); });
    if (kept) {
        fillGrid();
        return true;
    }
    if (!m_usable
        || !platform::ReportFailure(m_ui, core::AppendSavedTransferToFile(record, m_path)))
        return false;
    reload();
    fillGrid();
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

void SavedTransfersPage::fillGrid() {
    const int previousRow = m_grid->currentRow();
    m_grid->beginUpdate();
    m_grid->setRowCount(static_cast<int>(m_list.records.size()) + 1);
    int row = 1;
    for (const core::SavedTransferRecord &record : m_list.records) {
        const QString cells[] = {
            Text(record.Empfaenger.toUtf8()),    Text(record.EmpfaengerKontonr.toUtf8()),
            Text(record.EmpfaengerBLZ.toUtf8()), Text(record.Verwendung1.toUtf8()),
            Text(record.Verwendung2.toUtf8()),   Text(record.Waehrung.toUtf8()),
            Text(record.BetragText.toUtf8()),
        };
        for (int col = 0; col < static_cast<int>(std::size(cells)); ++col)
            m_grid->setCell(col, row, cells[col]);
        ++row;
    }
    m_grid->endUpdate();
    if (!m_list.records.empty())
        m_grid->setCurrentCell(0, std::clamp(previousRow, 1, m_grid->rowCount() - 1));
    for (QPushButton *button : {m_enter, m_edit, m_delete})
        button->setEnabled(m_usable);
}

std::optional<std::size_t> SavedTransfersPage::currentRow() const {
    if (m_list.records.empty())
        return std::nullopt;
    // Without a current row the commands act on the first.
    return static_cast<std::size_t>(
        std::clamp(m_grid->currentRow(), 1, static_cast<int>(m_list.records.size())));
}

void SavedTransfersPage::enterTemplate() {
    if (!m_usable)
        return;
    m_editor.editNew([this](const core::SavedTransferRecord &record) {
        return platform::ReportFailure(m_ui, core::AppendSavedTransfer(m_list, record, m_path));
    });
    reload();
    fillGrid();
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
    fillGrid();
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
    fillGrid();
}

} // namespace penvaro::payments
