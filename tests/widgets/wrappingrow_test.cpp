#include "widgets/wrappingrow.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace penvaro::widgets {
namespace {

// Two commands from the left and one trailing panel, each 100 × 20, 10 apart.
TEST(WrappingRow, WrapsWhereTheRoomEndsAndKeepsTrailingItemsRight) {
    struct Case {
        const char *what;
        int width;
        bool secondHidden;
        std::vector<QPoint> places; // first, second, trailing
        int height;
    };
    const Case cases[] = {
        {"one line, the trailing item at the right edge",
         400,
         false,
         {{0, 0}, {110, 0}, {300, 0}},
         20},
        {"the trailing item on a line of its own, still at the right",
         250,
         false,
         {{0, 0}, {110, 0}, {150, 30}},
         50},
        {"each on its own line", 100, false, {{0, 0}, {0, 30}, {0, 60}}, 80},
        {"a hidden item takes no room", 250, true, {{0, 0}, {}, {150, 0}}, 20},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QWidget owner;
        auto *row = new WrappingRow(&owner);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(10);
        std::vector<QWidget *> items;
        for (int i = 0; i < 3; ++i) {
            items.push_back(new QWidget(&owner));
            items.back()->setFixedSize(100, 20);
        }
        row->addWidget(items[0]);
        row->addWidget(items[1]);
        row->addTrailing(items[2]);
        items[1]->setVisible(!c.secondHidden);

        EXPECT_EQ(QSize(100, 20), row->minimumSize());
        EXPECT_EQ(c.height, row->heightForWidth(c.width));
        row->setGeometry(QRect(0, 0, c.width, c.height));
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (!items[i]->isHidden()) {
                EXPECT_EQ(QRect(c.places[i], QSize(100, 20)), items[i]->geometry()) << i;
            }
        }
    }
}

} // namespace
} // namespace penvaro::widgets
