#pragma once

#include "core/bookingtable.h"
#include "core/result.h"

#include <QWidget>

class QAction;
class QGroupBox;
class QLineEdit;
class QMenu;
class QToolButton;

namespace penvaro::platform {
class AppState;
} // namespace penvaro::platform

namespace penvaro::ledger {

class BookingListView;
class CurrencyChoice;
class SumsPanel;

// The open account file as two groups: the completed bookings with their sums above, the
// planned bookings below, sharing the height about 52 : 45. Each group's buttons and context
// menu ask for their command through a signal; the main window carries them out.
class LedgerView : public QWidget {
    Q_OBJECT

public:
    explicit LedgerView(platform::AppState &state, QWidget *parent = nullptr);

    BookingListView &table(core::Listing listing) const;
    // The slot of the current row of the table that shows the listing; 0 when it has none.
    int currentSlot(core::Listing listing) const;

    // Shows the table and its sums as they are now. A sum that does not fit 64 bits is
    // reported instead of being shown wrong.
    core::Result<void> refresh();
    // Follows the options: the planned group shown or not, the columns fitted anew.
    void applyOptions();
    // A file open read-only offers no command that changes bookings.
    void setChangesAllowed(bool allowed);

Q_SIGNALS:
    void enterRequested(core::Listing listing);
    void editRequested(core::Listing listing);
    void deleteRequested(core::Listing listing);
    void transferRequested();
    void startValueRequested();
    void printRequested();
    // The balance of today, for the main window's tool bar.
    void todayBalanceChanged(const QString &text);

private:
    QWidget *buildCompletedGroup();
    QWidget *buildPlannedGroup();
    void buildContextMenus();
    core::Result<void> showSums();

    platform::AppState &m_state;
    QGroupBox *m_completedGroup = nullptr;
    QGroupBox *m_plannedGroup = nullptr;
    BookingListView *m_completed = nullptr;
    BookingListView *m_planned = nullptr;
    SumsPanel *m_sums = nullptr;
    CurrencyChoice *m_currencies = nullptr;
    QWidget *m_plannedSumPanel = nullptr;
    QLineEdit *m_plannedSum = nullptr;
    QMenu *m_completedMenu = nullptr;
    QMenu *m_plannedMenu = nullptr;
    std::vector<QToolButton *> m_changeButtons;
    std::vector<QAction *> m_changeActions;
};

} // namespace penvaro::ledger
