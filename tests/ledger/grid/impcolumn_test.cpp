#include "ledger/grid/impstringgrid.h"

#include <gtest/gtest.h>

using namespace penvaro::ledger;
using Property = TImpColumn::Property;

TEST(TImpColumn, FreshColumnsFollowTheGridAndFreedOnesComeBackFresh) {
    TImpStringgrid grid;
    EXPECT_EQ(5, grid.ColCount());
    grid.Columns(4).setAlignment(Qt::AlignRight);
    grid.setColCount(12);
    EXPECT_EQ(Qt::AlignRight, grid.Columns(4).Alignment());
    for (int col = 5; col < 12; ++col) {
        const TImpColumn &column = grid.Columns(col);
        EXPECT_EQ(Qt::Alignment(Qt::AlignLeft), column.Alignment()) << col;
        EXPECT_EQ(grid.Color(), column.Color()) << col;
        EXPECT_EQ(7u, column.DropDownRows()) << col;
        EXPECT_EQ(TImpColumnButtonStyle::cbsNone, column.ButtonStyle()) << col;
        EXPECT_EQ(grid.DefaultColWidth(), column.Width()) << col;
        EXPECT_EQ(grid.FixedColor(), column.Title().Color()) << col;
    }
    grid.setColCount(3);
    EXPECT_THROW(grid.Columns(3), std::out_of_range);
    grid.setColCount(5);
    EXPECT_FALSE(grid.Columns(4).isAssigned(Property::Alignment));
}

TEST(TImpColumn, AGridFontChangeReachesOnlyColumnsWithoutTheirOwnFont) {
    TImpStringgrid grid;
    const ImpFont own{QFont(QStringLiteral("Liberation Mono"), 14), Qt::blue};
    grid.Columns(1).setFont(own);
    grid.Columns(2).Title().setFont(own);

    QFont changed(QStringLiteral("Liberation Sans"), 20);
    grid.setFont(changed);
    EXPECT_EQ(changed, grid.Columns(0).Font().font);
    EXPECT_EQ(changed, grid.Columns(0).Title().Font().font);
    EXPECT_EQ(own, grid.Columns(1).Font());
    EXPECT_EQ(own, grid.Columns(1).Title().Font()); // an unassigned title follows its column
    EXPECT_EQ(changed, grid.Columns(2).Font().font);
    EXPECT_EQ(own, grid.Columns(2).Title().Font());
}

TEST(TImpColumn, RestoreDefaultsAndAssign) {
    TImpStringgrid grid;
    TImpColumn &source = grid.Columns(0);
    source.setAlignment(Qt::AlignHCenter);
    source.setButtonStyle(TImpColumnButtonStyle::cbsPicklist);
    source.setDropDownRows(3);
    source.setPickList({QStringLiteral("Miete"), QStringLiteral("Strom")});
    source.Title().setCaption(QStringLiteral("Art"));

    TImpColumn &copy = grid.Columns(1);
    copy.Assign(source);
    EXPECT_EQ(Qt::AlignHCenter, copy.Alignment());
    EXPECT_EQ(TImpColumnButtonStyle::cbsPicklist, copy.ButtonStyle());
    EXPECT_EQ(3u, copy.DropDownRows());
    EXPECT_EQ(source.PickList(), copy.PickList());
    EXPECT_EQ(QStringLiteral("Art"), copy.Title().Caption());

    source.RestoreDefaults();
    EXPECT_EQ(Qt::Alignment(Qt::AlignLeft), source.Alignment());
    EXPECT_EQ(TImpColumnButtonStyle::cbsNone, source.ButtonStyle());
    EXPECT_FALSE(source.hasPickList());
    EXPECT_FALSE(source.Title().hasCaption());
}
