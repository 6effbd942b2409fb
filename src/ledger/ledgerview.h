#pragma once

#include "ledgerrefresh.h"
#include "ledgerwidgets.h"

#include "core/bookingtable.h"

#include <QWidget>

class QAction;
class QLabel;
class QMenu;
class QToolButton;

namespace penvaro::platform {
class AppState;
} // namespace penvaro::platform

namespace penvaro::widgets {
class StringGrid;
} // namespace penvaro::widgets

namespace penvaro::ledger {

// The open account file as two groups: the completed bookings with their sums above, the
// planned bookings below, sharing the height about 52 : 45. Each group's buttons and context
// menu ask for their command through a signal; the main window carries them out.
class LedgerView : public QWidget {
    Q_OBJECT

public:
    // The today's balance is shown outside the view, in the main window's tool bar.
    LedgerView(platform::AppState &state, QLabel *todayBalance, QLabel *todayCaption,
               QWidget *parent = nullptr);
    ~LedgerView() override;

    LedgerRefresh &refresher() { return *m_refresh; }
    const LedgerWidgets &widgets() const { return m_w; }
    widgets::StringGrid &grid(core::Listing listing) const;
    // The slot of the current row of the grid that shows the listing; 0 when it has none.
    int currentSlot(core::Listing listing) const;

    // Follows the options: the planned group shown or not, the table font.
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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildCompletedGroup();
    QWidget *buildPlannedGroup();
    void buildContextMenus();
    void currencyBoxClicked(QCheckBox *box);

    platform::AppState &m_state;
    LedgerWidgets m_w;
    std::unique_ptr<LedgerRefresh> m_refresh;
    QMenu *m_completedMenu = nullptr;
    QMenu *m_plannedMenu = nullptr;
    std::vector<QToolButton *> m_changeButtons;
    std::vector<QAction *> m_changeActions;
};

} // namespace penvaro::ledger
