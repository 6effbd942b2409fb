#pragma once

#include <QDialog>

class QMenu;
class QTableView;

namespace penvaro::platform {
class AppState;
} // namespace penvaro::platform

namespace penvaro::entry {

class BookingEditDialog;
class RecurringBookingsModel;

// The recurring bookings window: lists the recurring bookings of the open account file and
// enters, changes and deletes them.
class RecurringBookingsDialog : public QDialog {
    Q_OBJECT

public:
    RecurringBookingsDialog(platform::AppState &app, BookingEditDialog &editDialog,
                            QWidget *parent = nullptr);

    // Shows the window modally; the main window's "Monatlich wiederkehrende Buchungen".
    void showModal();
    // One row per recurring booking in table order, one empty row when there is none.
    void fillGrid();

Q_SIGNALS:
    // "Eingeben": a new recurring booking is to be entered. The list is shown afresh when the
    // handler returns, so it is connected directly and returns when the entry is closed.
    void enterRequested();

private:
    void buildTable();
    void buildCommands();
    void layoutTable();
    // The slot of the booking in the current row; 0 when the table lists none.
    int currentSlot() const;
    void enterBooking();
    void editBooking();
    void deleteBooking();
    void closeSorted();

    platform::AppState &m_state;
    BookingEditDialog &m_editDialog;
    RecurringBookingsModel *m_model;
    QTableView *m_table;
    QMenu *m_menu;
};

} // namespace penvaro::entry
