#include "widgets/stringgrid.h"

#include <gtest/gtest.h>

using namespace penvaro::widgets;
using Property = GridColumn::Property;

TEST(GridColumn, FreshColumnsFollowTheGridAndFreedOnesComeBackFresh) {
    StringGrid grid;
    EXPECT_EQ(5, grid.columnCount());
    grid.column(4).setAlignment(Qt::AlignRight);
    grid.setColumnCount(12);
    EXPECT_EQ(Qt::AlignRight, grid.column(4).alignment());
    for (int col = 5; col < 12; ++col) {
        const GridColumn &column = grid.column(col);
        EXPECT_EQ(Qt::Alignment(Qt::AlignLeft), column.alignment()) << col;
        EXPECT_EQ(grid.color(), column.color()) << col;
        EXPECT_EQ(7u, column.dropDownRows()) << col;
        EXPECT_EQ(GridButtonStyle::None, column.buttonStyle()) << col;
        EXPECT_EQ(grid.defaultColumnWidth(), column.width()) << col;
        EXPECT_EQ(grid.fixedColor(), column.title().color()) << col;
    }
    grid.setColumnCount(3);
    EXPECT_THROW(grid.column(3), std::out_of_range);
    grid.setColumnCount(5);
    EXPECT_FALSE(grid.column(4).isAssigned(Property::Alignment));
}

TEST(GridColumn, AGridFontChangeReachesOnlyColumnsWithoutTheirOwnFont) {
    StringGrid grid;
    const GridFont own{QFont(QStringLiteral("Liberation Mono"), 14), Qt::blue};
    grid.column(1).setFont(own);
    grid.column(2).title().setFont(own);

    QFont changed(QStringLiteral("Liberation Sans"), 20);
    grid.setFont(changed);
    EXPECT_EQ(changed, grid.column(0).font().font);
    EXPECT_EQ(changed, grid.column(0).title().font().font);
    EXPECT_EQ(own, grid.column(1).font());
    EXPECT_EQ(own, grid.column(1).title().font()); // an unassigned title follows its column
    EXPECT_EQ(changed, grid.column(2).font().font);
    EXPECT_EQ(own, grid.column(2).title().font());
}

TEST(GridColumn, RestoreDefaultsAndAssign) {
    StringGrid grid;
    GridColumn &source = grid.column(0);
    source.setAlignment(Qt::AlignHCenter);
    source.setButtonStyle(GridButtonStyle::PickList);
    source.setDropDownRows(3);
    source.setPickList({QStringLiteral("Miete"), QStringLiteral("Strom")});
    source.title().setCaption(QStringLiteral("Art"));

    GridColumn &copy = grid.column(1);
    copy.assign(source);
    EXPECT_EQ(Qt::AlignHCenter, copy.alignment());
    EXPECT_EQ(GridButtonStyle::PickList, copy.buttonStyle());
    EXPECT_EQ(3u, copy.dropDownRows());
    EXPECT_EQ(source.pickList(), copy.pickList());
    EXPECT_EQ(QStringLiteral("Art"), copy.title().caption());

    source.restoreDefaults();
    EXPECT_EQ(Qt::Alignment(Qt::AlignLeft), source.alignment());
    EXPECT_EQ(GridButtonStyle::None, source.buttonStyle());
    EXPECT_FALSE(source.hasPickList());
    EXPECT_FALSE(source.title().hasCaption());
}
