#include "recurringbookingsdialog.h"

#include "bookingeditdialog.h"
#include "recurringbookingsmodel.h"

#include "core/bookingchanges.h"
#include "platform/appstate.h"
#include "platform/uiservice.h"
#include "widgets/commandbutton.h"
#include "widgets/commandguard.h"
#include "widgets/manual.h"
#include "widgets/rowtable.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace penvaro::entry {
namespace {

constexpr std::int32_t ErrorNothingToDelete = 191;
constexpr std::int32_t ErrorNothingToEdit = 192;

// Return in the grid must not press a button the user did not choose.
QPushButton *CommandButton(QWidget *parent, const char *name, const QString &caption,
                           const QString &hint) {
    QPushButton *button = widgets::DialogButton(parent, name, caption, hint);
    button->setAutoDefault(false);
    return button;
}

} // namespace

RecurringBookingsDialog::RecurringBookingsDialog(platform::AppState &app,
                                                 BookingEditDialog &editDialog, QWidget *parent)
    // Closed by its own buttons or Escape only, "Schließen" also sorting the table; nothing to
    // minimise or maximise.
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_state(app)
    , m_editDialog(editDialog) {
    setObjectName(QStringLiteral("TMonthlyF"));
    setWindowTitle(QStringLiteral("Eine kleine Arbeitserleichterung ..."));
    setModal(true);
    buildTable();
    buildCommands();
}

void RecurringBookingsDialog::buildTable() {
    m_model = new RecurringBookingsModel(m_state.table(), this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("Stringgrid1"));
    m_table->setModel(m_model);
    widgets::SetUpRowTable(*m_table);
    connect(m_table, &QAbstractItemView::doubleClicked, this, [this] { editBooking(); });

    auto *title = new QLabel(QStringLiteral("Monatliche Buchungen"), this);
    title->setObjectName(QStringLiteral("LTitel"));
    title->setBuddy(m_table);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(m_table);
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
    connect(help, &QPushButton::clicked, this, [this] { widgets::OpenManual(m_state.ui()); });

    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("PopupMenu1"));
    m_menu->addAction(QStringLiteral("Eingeben"), this, &RecurringBookingsDialog::enterBooking);
    m_menu->addAction(QStringLiteral("Bearbeiten"), this, &RecurringBookingsDialog::editBooking);
    m_menu->addAction(QStringLiteral("Löschen"), this, &RecurringBookingsDialog::deleteBooking);
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_table, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { m_menu->popup(m_table->viewport()->mapToGlobal(at)); });

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
    m_state.ui().runModal(*this);
}

void RecurringBookingsDialog::layoutTable() {
    const core::Settings &settings = m_state.settings();
    const QFont font(QString::fromStdString(settings.tableFontName), settings.tableFontSize);
    m_table->setFont(font);
    widgets::SetRowHeight(*m_table, settings.completedRowHeight);

    widgets::SetWrittenColumnWidths(*m_table, RecurringBookingsModel::columns());
}

void RecurringBookingsDialog::fillGrid() {
    const QModelIndex previous = m_table->currentIndex();
    layoutTable();
    m_model->reload(m_table->font());
    const int row = std::clamp(previous.isValid() ? previous.row() : 0, 0, m_model->rowCount() - 1);
    m_table->setCurrentIndex(m_model->index(row, 0));
}

int RecurringBookingsDialog::currentSlot() const {
    // Without a current row the commands act on the first.
    const QModelIndex current = m_table->currentIndex();
    return m_model->slotAt(current.isValid() ? current.row() : 0);
}

void RecurringBookingsDialog::enterBooking() {
    Q_EMIT enterRequested();
    fillGrid();
}

void RecurringBookingsDialog::editBooking() {
    const int slot = currentSlot();
    if (slot == 0) {
        platform::ShowError(m_state.ui(), ErrorNothingToEdit,
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
        platform::ShowError(m_state.ui(), ErrorNothingToDelete,
                            QStringLiteral("Keine zu löschenden Daten! "));
        return;
    }
    if (m_state.ui().askYesNo(
            QStringLiteral("Wollen Sie wirklich den aktuellen Datensatz löschen?"),
            platform::Answer::No)
        != platform::Answer::Yes)
        return;
    const bool deleted = widgets::RunBookingChange(m_state, [this, slot] {
        return core::DeleteBooking(m_state.table(), slot, m_state.currentPath());
    });
    if (deleted) {
        // Sorted at once, so that the main window never shows the moved last booking out of
        // order, even when this window is left with Escape.
        m_state.announceBookingChange();
    }
    fillGrid();
}

void RecurringBookingsDialog::closeSorted() {
    m_state.announceBookingChange();
    accept();
}

} // namespace penvaro::entry
