#include "recurringbookingsdialog.h"

#include "bookingeditdialog.h"

#include "core/amounttext.h"
#include "core/bookingchanges.h"
#include "core/date.h"
#include "platform/appstate.h"
#include "platform/uiservice.h"
#include "widgets/commandguard.h"
#include "widgets/localeseparators.h"
#include "widgets/manual.h"
#include "widgets/stringgrid.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace penvaro::entry {
namespace {

struct Column {
    const char16_t *title;
    int width;
    Qt::Alignment alignment;
};

constexpr Column Columns[] = {
    {u"Ausführungstag", 95, Qt::AlignHCenter},
    {u"alle ... Monate", 70, Qt::AlignHCenter},
    {u"1. Ausführungstag", 90, Qt::AlignHCenter},
    {u"Buchungsart", 75, Qt::AlignHCenter},
    {u"Absender", 140, Qt::AlignLeft},
    {u"Verwendungszweck", 140, Qt::AlignLeft},
    {u"+/-", 20, Qt::AlignHCenter},
    {u"Betrag", 90, Qt::AlignRight},
};
constexpr int DirectionColumn = 6;

constexpr std::int32_t ErrorNothingToDelete = 191;
constexpr std::int32_t ErrorNothingToEdit = 192;

QString Text(const std::string &utf8) {
    return QString::fromStdString(utf8);
}

QPushButton *CommandButton(QWidget *parent, const char *name, const QString &caption,
                           const QString &hint) {
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    // Return in the grid must not press a button the user did not choose.
    button->setAutoDefault(false);
    return button;
}

} // namespace

RecurringBookingsDialog::RecurringBookingsDialog(platform::AppState &app,
                                                 BookingEditDialog &editDialog,
                                                 std::function<void()> enterRecurring,
                                                 QWidget *parent)
    // Closed by its own buttons or Escape only, "Schließen" also sorting the table; nothing to
    // minimise or maximise.
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_app(app)
    , m_editDialog(editDialog)
    , m_enterRecurring(std::move(enterRecurring)) {
    setObjectName(QStringLiteral("TMonthlyF"));
    setWindowTitle(QStringLiteral("Eine kleine Arbeitserleichterung ..."));
    setModal(true);
    buildGrid();
    buildCommands();
}

void RecurringBookingsDialog::buildGrid() {
    m_grid = new widgets::StringGrid(this);
    m_grid->setObjectName(QStringLiteral("Stringgrid1"));
    m_grid->setFixedColumns(0);
    m_grid->setOptions(widgets::StringGrid::RowSelect);
    m_grid->setColumnCount(static_cast<int>(std::size(Columns)));
    for (int col = 0; col < static_cast<int>(std::size(Columns)); ++col) {
        m_grid->setCell(col, 0, QString::fromUtf16(Columns[col].title));
        m_grid->column(col).title().setAlignment(Qt::AlignHCenter);
        m_grid->column(col).setAlignment(Columns[col].alignment);
    }
    connect(m_grid, &QAbstractItemView::doubleClicked, this, [this] { editBooking(); });

    auto *title = new QLabel(QStringLiteral("Monatliche Buchungen"), this);
    title->setObjectName(QStringLiteral("LTitel"));
    title->setBuddy(m_grid);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(m_grid);
}

void RecurringBookingsDialog::buildCommands() {
    auto *enter = CommandButton(this, "SBDatenNeu", QStringLiteral("Eingeben"),
                                QStringLiteral("Daten eingeben"));
    auto *edit = CommandButton(this, "SBAendern", QStringLiteral("Bearbeiten"),
                               QStringLiteral("Daten bearbeiten"));
    auto *remove = CommandButton(this, "SBLoeschen", QStringLiteral("Löschen"),
                                 QStringLiteral("Daten löschen"));
    auto *close = CommandButton(this, "SpeedButton1", QStringLiteral("Schließen"),
                                QStringLiteral("Fenster Schließen"));
    auto *help = CommandButton(this, "SpeedButton2", QStringLiteral("Hilfe"),
                               QStringLiteral("Hilfe aufrufen"));
    connect(enter, &QPushButton::clicked, this, &RecurringBookingsDialog::enterBooking);
    connect(edit, &QPushButton::clicked, this, &RecurringBookingsDialog::editBooking);
    connect(remove, &QPushButton::clicked, this, &RecurringBookingsDialog::deleteBooking);
    connect(close, &QPushButton::clicked, this, &RecurringBookingsDialog::closeSorted);
    connect(help, &QPushButton::clicked, this, [this] { widgets::OpenManual(m_app.ui()); });

    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("PopupMenu1"));
    m_menu->addAction(QStringLiteral("Eingeben"), this, &RecurringBookingsDialog::enterBooking);
    m_menu->addAction(QStringLiteral("Bearbeiten"), this, &RecurringBookingsDialog::editBooking);
    m_menu->addAction(QStringLiteral("Löschen"), this, &RecurringBookingsDialog::deleteBooking);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { m_menu->popup(m_grid->viewport()->mapToGlobal(at)); });

    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {enter, edit, remove})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(close);
    buttons->addWidget(help);
    qobject_cast<QVBoxLayout *>(layout())->addLayout(buttons);
}

void RecurringBookingsDialog::showModal() {
    fillGrid();
    m_app.ui().runModal(*this);
}

void RecurringBookingsDialog::layoutGrid() {
    const core::Settings &settings = m_app.settings();
    const QFont font(Text(settings.FontName), settings.FontSize);
    m_grid->setFont(font);
    QFont bold = font;
    bold.setBold(true);
    m_grid->column(DirectionColumn).setFont({bold, m_grid->fontColor()});
    // The title of the bold column stays as plain as the others.
    m_grid->column(DirectionColumn).title().setFont({font, m_grid->fontColor()});
    m_grid->setDefaultRowHeight(settings.Tab1ZeiAbst);

    // The written widths, widened where the font would cut a title.
    const QFontMetrics metrics(font);
    int width = 0;
    for (int col = 0; col < static_cast<int>(std::size(Columns)); ++col) {
        const int title = metrics.horizontalAdvance(QString::fromUtf16(Columns[col].title))
                          + 2 * metrics.averageCharWidth();
        const int columnWidth = std::max(Columns[col].width, title);
        m_grid->setColumnWidth(col, columnWidth);
        width += columnWidth;
    }
    m_grid->setMinimumWidth(width + 2 * m_grid->frameWidth()
                            + m_grid->verticalScrollBar()->sizeHint().width());
}

void RecurringBookingsDialog::fillGrid() {
    layoutGrid();
    const core::BookingTable &table = m_app.table();
    m_rowSlots = core::ListedSlots(table, core::Listing::Recurring);
    const core::NumberSeparators separators = widgets::LocaleSeparators();
    const int previousRow = m_grid->currentRow();
    m_grid->beginUpdate();
    m_grid->setRowCount(std::max<int>(static_cast<int>(m_rowSlots.size()), 1) + 1);
    m_grid->clearRow(1);
    for (int row = 1; row <= static_cast<int>(m_rowSlots.size()); ++row) {
        const core::BookingRecord &r = table.slot(m_rowSlots[static_cast<std::size_t>(row - 1)]);
        const bool dated = core::CivilFromDayCount(r.Wertdatum).has_value();
        const QString cells[] = {
            QString::number(r.Auszugsnr) + QStringLiteral(". im Monat"),
            QString::number(r.Auszugsjahr),
            dated ? Text(core::FormatDate(r.Wertdatum)) : QString(),
            Text(r.Buchungsart.toUtf8()),
            Text(r.Absender.toUtf8()),
            Text(r.Verwendungszweck.toUtf8()),
            QString(QChar(r.SollHaben)),
            Text(core::FormatEuroText(r.Betrag, separators, core::SignificantDigits::Cell)),
        };
        for (int col = 0; col < static_cast<int>(std::size(cells)); ++col)
            m_grid->setCell(col, row, cells[col]);
    }
    m_grid->endUpdate();
    m_grid->setCurrentCell(0, std::clamp(previousRow, 1, m_grid->rowCount() - 1));
}

int RecurringBookingsDialog::currentSlot() const {
    if (m_rowSlots.empty())
        return 0;
    // Without a current row the commands act on the first.
    const int row = std::clamp(m_grid->currentRow(), 1, static_cast<int>(m_rowSlots.size()));
    return m_rowSlots[static_cast<std::size_t>(row - 1)];
}

void RecurringBookingsDialog::enterBooking() {
    if (m_enterRecurring)
        m_enterRecurring();
    fillGrid();
}

void RecurringBookingsDialog::editBooking() {
    const int slot = currentSlot();
    if (slot == 0) {
        platform::ShowError(m_app.ui(), ErrorNothingToEdit,
                            QStringLiteral("Keine zu bearbeitenden Daten! "));
        return;
    }
    // Whether it changed or not, the grid shows the table as it is now.
    m_editDialog.edit(FormState::Recurring, slot);
    fillGrid();
}

void RecurringBookingsDialog::deleteBooking() {
    const int slot = currentSlot();
    if (slot == 0) {
        platform::ShowError(m_app.ui(), ErrorNothingToDelete,
                            QStringLiteral("Keine zu löschenden Daten! "));
        return;
    }
    if (m_app.ui().askYesNo(QStringLiteral("Wollen Sie wirklich den aktuellen Datensatz löschen?"),
                            platform::Answer::No)
        != platform::Answer::Yes)
        return;
    const bool deleted = widgets::RunCommand(m_app.ui(), [this, slot] {
        return core::DeleteBooking(m_app.table(), slot, m_app.currentPath());
    });
    if (deleted) {
        // Sorted at once, so that the main window never shows the moved last booking out of
        // order, even when this window is left with Escape.
        m_app.announceBookingChange();
    }
    fillGrid();
}

void RecurringBookingsDialog::closeSorted() {
    m_app.announceBookingChange();
    accept();
}

} // namespace penvaro::entry
