#pragma once

#include "bookinglistmodel.h"

#include <QTableView>

namespace penvaro::platform {
class AppState;
} // namespace penvaro::platform

namespace penvaro::ledger {

class BookingCellDelegate;

// One ledger table: the bookings of a listing with the table font and row height of the
// options. Its columns fill the width it has, free text giving way first, amounts, dates and
// balances keeping their whole text; a column the user drags keeps that width in the settings
// of the file. One row is always current, so that the commands know what they act on.
class BookingListView : public QTableView {
    Q_OBJECT

public:
    BookingListView(platform::AppState &state, core::Listing listing, QWidget *parent = nullptr);

    const BookingListModel &bookings() const { return *m_model; }
    // Shows the table as it is now, the running balances beside it (none: no balance column).
    void reload(std::vector<std::int64_t> balances);
    // The slot of the current row; without a current row the first; 0 for an empty listing.
    int currentSlot() const;
    // Fits the columns into the present width; changes no content.
    void fitColumns();
    // Makes the slot's row current and selected, scrolled whole into sight; false when the
    // listing does not hold it.
    bool showSlot(int slot);

protected:
    bool viewportEvent(QEvent *event) override;

private:
    void applyFontAndRowHeight();
    void keepCurrentRow(int previousRow, int previousColumn);
    void measure();
    void columnResized(int column, int width);

    platform::AppState &m_state;
    BookingListModel *m_model;
    BookingCellDelegate *m_delegate;
    // The width each column keeps: its heading, and for amounts and dates their whole text.
    std::vector<int> m_minimumWidths;
    bool m_fitting = false;
};

} // namespace penvaro::ledger
