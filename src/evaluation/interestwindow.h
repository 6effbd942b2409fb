#pragma once

#include "core/bookingtable.h"
#include "core/interest.h"

#include <QDialog>

#include <array>
#include <cstdint>

class QLabel;
class QLineEdit;
class QToolButton;

namespace penvaro::platform {
class AppState;
} // namespace penvaro::platform

namespace penvaro::widgets {
class DatePicker;
} // namespace penvaro::widgets

namespace penvaro::evaluation {

inline constexpr std::int32_t ErrorInvalidPeriod = 461;

// "Geld, das es von der Bank gibt ...": estimates the credit and debit interest of the open
// account for a chosen period and month by month for a chosen year, from each day's closing
// balance and the rates in the account's settings.
class InterestWindow : public QDialog {
    Q_OBJECT

public:
    explicit InterestWindow(platform::AppState &state, QWidget *parent = nullptr);

    // Computes the period from the first booking to today and the months of the current year,
    // then shows the window modally.
    int showModal();

Q_SIGNALS:
    // The first computation after opening is done and the window is about to show.
    void openingComputed();

private:
    void buildPeriod();
    void buildMonths();
    void buildFooter();
    // Takes the account's bookings in the order the interest walk needs: value date, both
    // runs ascending. The walk works on its own copy, so the ledger keeps the user's order.
    void takeBookings();
    void changeYear(int step);
    void periodChanged(widgets::DatePicker *changed);
    void showMonths();
    void showTotal();

    platform::AppState &m_state;
    core::BookingTable m_table;
    core::InterestRates m_rates;
    int m_year = 0;
    widgets::DatePicker *m_from = nullptr;
    widgets::DatePicker *m_to = nullptr;
    QLineEdit *m_total = nullptr;
    QLabel *m_yearLabel = nullptr;
    QToolButton *m_yearUp = nullptr;
    QToolButton *m_yearDown = nullptr;
    QLabel *m_rateLabel = nullptr;
    std::array<QLineEdit *, 12> m_credit{};
    std::array<QLineEdit *, 12> m_debit{};
};

} // namespace penvaro::evaluation
