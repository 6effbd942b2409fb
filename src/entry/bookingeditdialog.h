#pragma once

#include "bookingfields.h"

#include "core/bookingrecord.h"

#include <QDialog>

class QPushButton;

namespace penvaro::platform {
class AppState;
} // namespace penvaro::platform

namespace penvaro::entry {

class BookingForm;

// The edit dialog: changes one booking in its slot, or turns a planned booking into a completed
// one. A change reaches the table only together with the account file.
class BookingEditDialog : public QDialog {
    Q_OBJECT

public:
    explicit BookingEditDialog(platform::AppState &app, QWidget *parent = nullptr);

    // Opens the booking in the table slot: Completed, Planned and Recurring change it, Transfer
    // makes a planned booking a completed one (at once, without showing the dialog, when there
    // are neither statement data nor booking dates to add by hand). Refuses the start value,
    // which has a dialog of its own, and a slot whose booking the state does not fit. Returns
    // whether the booking was changed (and so the table sorted and the change announced).
    bool edit(FormState state, int slot);

    FormState state() const { return m_formState; }
    // The slot the dialog works on; 0 before the first opening.
    int editPosition() const { return m_position; }

private:
    bool fits(FormState state, int slot) const;
    void fill();
    void fillStatementFields();
    bool apply();
    // After a failed change: the slot of the booking in the table as it is now; the dialog
    // closes when the booking is no longer there.
    void followBooking();

    platform::AppState &m_state;
    FormState m_formState = FormState::Completed;
    int m_position = 0;
    core::BookingRecord m_original;
    bool m_changed = false;

    BookingForm *m_form = nullptr;
    QPushButton *m_apply = nullptr;
};

} // namespace penvaro::entry
