#include "mainwindow.h"

#include "welcomepanel.h"
#include "widgets/stringgrid.h"

#include "platform/appstate.h"

#include <QGroupBox>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace penvaro::ledger {
namespace {

constexpr int toolBarHeight = 40;
constexpr int margin = 8;
constexpr int stripHeight = 28;

// Rounds to the nearest integer, an exact half to the even neighbour.
int roundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

} // namespace

void MainWindow::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    layoutWindow();
}

void MainWindow::layoutWindow() {
    if (!m_ledger)
        return;
    QWidget *central = centralWidget();
    const int width = central->width();
    const int height = this->height();
    const core::Settings &settings = m_state.settings();

    // Tool bar: five buttons share the room left of the today's balance.
    m_toolBar->setGeometry(0, 0, width, toolBarHeight);
    m_image->adjustSize();
    m_image->move(width - m_image->width() - margin, (toolBarHeight - m_image->height()) / 2);
    m_summeH->adjustSize();
    m_summeH->move(m_image->x() - m_summeH->width() - margin,
                   (toolBarHeight - m_summeH->height()) / 2);
    // Five buttons of about b pixels, the last one 43 wider, must end before the today's
    // balance; b from a fifth of the room would push "Zahlungsverkehr" under it.
    const int b = std::min(roundHalfEven((m_summeH->x() - 30) / 5.0),
                           roundHalfEven((m_summeH->x() - margin - 24) / 6.0));
    const struct {
        QToolButton *button;
        int left;
        int width;
    } buttons[] = {
        {m_sbNeu, b - 9, b - 10},           {m_sbOeffnen, 2 * b - 12, b - 3},
        {m_sbDrucken, 3 * b - 15, b - 3},   {m_sbGrafik, 4 * b - 17, b - 3},
        {m_sbOptionen, 5 * b - 19, b + 43},
    };
    // The widths come from the formula, but no button may cover the today's balance.
    for (const auto &placed : buttons) {
        const int room = m_summeH->x() - margin - placed.left;
        placed.button->setGeometry(placed.left, 4, std::clamp(placed.width, 0, std::max(room, 0)),
                                   toolBarHeight - 8);
    }

    m_welcome->setGeometry(margin, toolBarHeight, width - 2 * margin,
                           central->height() - toolBarHeight - margin);

    const int groupWidth = width - 25;
    int height1 = roundHalfEven((height - 87) * 0.5157);
    const int height2 = roundHalfEven((height - 87) * 0.4484);
    const bool plannedShown = settings.TabGepan;
    if (!plannedShown)
        height1 += height2;
    if (ledgerVisible())
        m_w.GroupBox2->setVisible(plannedShown);
    m_w.GroupBox1->setGeometry(margin, toolBarHeight, groupWidth, height1);
    m_w.GroupBox2->setGeometry(margin, toolBarHeight + height1 + 10, groupWidth, height2);

    // Completed group: the buttons and sums in a strip above the grid.
    const int gridTop = 18 + stripHeight;
    m_completedButtons->setGeometry(margin, 18, groupWidth - 2 * margin, stripHeight - 2);
    m_w.Stringgrid1->setGeometry(margin, gridTop, groupWidth - 2 * margin,
                                 std::max(m_w.GroupBox1->height() - 50, 0));
    // The currency boxes stand in the title line, where they leave the sums in the strip free.
    m_w.PBetrag->move(m_w.PBetrag->x(), 0);
    m_w.PKontostand->move(m_w.PKontostand->x(), 0);
    m_w.PBetrag->raise();
    m_w.PKontostand->raise();

    // Planned group: the grid leaves 195 pixels on its right for the buttons and the sum.
    m_w.StringGrid2->setGeometry(margin, 20, std::max(groupWidth - 195, 0),
                                 std::max(height2 - 28, 0));
    m_plannedButtons->setGeometry(groupWidth - 195 + 2 * margin, 20, 195 - 3 * margin,
                                  std::max(height2 - 28, 0));

    const QFont tableFont(QString::fromStdString(settings.FontName), settings.FontSize);
    m_w.Stringgrid1->setFont(tableFont);
    m_w.StringGrid2->setFont(tableFont);
    if (ledgerVisible()) {
        (void)m_ledger->LayoutCompletedGrid();
        m_ledger->LayoutPlannedGrid();
    }
}

} // namespace penvaro::ledger
