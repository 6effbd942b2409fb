#pragma once

#include "core/bookingrecord.h"

#include <QDialog>

class QPushButton;

namespace penvaro::platform {
class AppState;
} // namespace penvaro::platform

namespace penvaro::entry {

class BookingForm;

// "Daten eingeben ...": types in new bookings, completed ones from a bank statement (kind 1),
// planned ones (kind 2) and recurring monthly ones (kind 4). The statement number, year and
// date stay from one booking to the next, so that a statement is entered quickly.
class BookingEntryDialog : public QDialog {
    Q_OBJECT

public:
    explicit BookingEntryDialog(platform::AppState &state, QWidget *parent = nullptr);

    // Sets the kind of booking to enter (Completed, Planned or Recurring), prepares the form
    // for it and shows the dialog modally. Returns Accepted when it was closed by adding.
    int showForKind(core::BookingKind kind);
    core::BookingKind entryKind() const { return m_kind; }
    // "Schließen", Escape and the window's close box: typed values not yet added are only
    // dropped when the user says so.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void prepareShowing();
    void resetForm();
    void setStatementControlsEnabled(bool enabled);
    bool statementData() const;
    void add(bool close);

    platform::AppState &m_state;
    core::BookingKind m_kind = core::BookingKind::Completed;
    BookingForm *m_form = nullptr;
    QPushButton *m_addKeepOpen = nullptr;
    QPushButton *m_addClose = nullptr;
};

} // namespace penvaro::entry
