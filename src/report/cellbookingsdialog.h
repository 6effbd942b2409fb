#pragma once

#include <QDialog>

#include <cstdint>
#include <vector>

class QLabel;
class QLineEdit;
class QTableView;

namespace penvaro::platform {
class AppState;
} // namespace penvaro::platform

namespace penvaro::evaluation {
class SearchResultsModel;
} // namespace penvaro::evaluation

namespace penvaro::report {

// The bookings behind one cell of the year's report, listed as the search window lists what it
// finds, with their sum.
class CellBookingsDialog : public QDialog {
    Q_OBJECT

public:
    explicit CellBookingsDialog(platform::AppState &state, QWidget *parent = nullptr);

    // The slots in table order and their sum, which the cell shows.
    void showBookings(const QString &title, const std::vector<int> &bookingSlots, std::int64_t sum);
    QTableView &table() const { return *m_table; }

private:
    platform::AppState &m_state;
    QLabel *m_heading = nullptr;
    evaluation::SearchResultsModel *m_results = nullptr;
    QTableView *m_table = nullptr;
    QLineEdit *m_sum = nullptr; // below the list, as in the search window
};

} // namespace penvaro::report
