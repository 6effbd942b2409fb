#pragma once

#include <QDialog>

#include <functional>

class QMenu;

namespace penvaro::ledger {
class TImpStringgrid;
} // namespace penvaro::ledger

namespace penvaro::platform {
class AppState;
} // namespace penvaro::platform

namespace penvaro::entry {

class TDatenBearbeitenF;

// The recurring bookings window: lists the recurring bookings of the open account file and
// enters, changes and deletes them.
class TMonthlyF : public QDialog {
    Q_OBJECT

public:
    // enterRecurring shows the entry dialog for a new recurring booking and returns when it has
    // been closed.
    TMonthlyF(platform::AppState &app, TDatenBearbeitenF &editDialog,
              std::function<void()> enterRecurring, QWidget *parent = nullptr);

    // Shows the window modally; the main window's "Monatlich wiederkehrende Buchungen".
    void Execute();
    // One row per recurring booking in table order, one empty row when there is none.
    void FillGrid();

private:
    void buildGrid();
    void buildCommands();
    void layoutGrid();
    int currentRow() const;
    bool listsBookings() const;
    void enterBooking();
    void editBooking();
    void deleteBooking();
    void closeSorted();

    platform::AppState &m_app;
    TDatenBearbeitenF &m_editDialog;
    std::function<void()> m_enterRecurring;
    ledger::TImpStringgrid *m_grid;
    QMenu *m_menu;
};

} // namespace penvaro::entry
