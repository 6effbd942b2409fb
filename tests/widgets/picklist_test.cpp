#include "widgets/gridinplaceeditor.h"
#include "widgets/popuplistbox.h"
#include "widgets/stringgrid.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace penvaro::widgets;

namespace {

struct EditedGrid {
    EditedGrid() {
        grid.setOptions(StringGrid::Editing);
        grid.setColumnCount(3);
        grid.setRowCount(3);
        grid.resize(300, 200);
        grid.show();
        grid.setCurrentCell(1, 1);
        edit = new GridInplaceEditor(&grid, grid.viewport());
        edit->resize(100, 20);
        edit->show();
    }

    StringGrid grid;
    GridInplaceEditor *edit;
};

QStringList items(int n) {
    QStringList list;
    for (int i = 0; i < n; ++i)
        list << QStringLiteral("Eintrag %1").arg(i);
    return list;
}

} // namespace

TEST(GridInplaceEditor, DropDownHeightFollowsItemsAndDropDownRows) {
    for (const int count : {12, 3}) {
        EditedGrid f;
        GridColumn &column = f.grid.column(1);
        column.setButtonStyle(GridButtonStyle::PickList);
        column.setPickList(items(count));
        f.edit->takeUpCell(column, QString());
        ASSERT_EQ(GridInplaceEditor::EditStyle::PickList, f.edit->editStyle());
        f.edit->dropDown();
        ASSERT_TRUE(f.edit->listVisible());
        const PopupListBox *list = f.edit->pickListWindow();
        EXPECT_EQ(std::min(count, 7) * list->itemHeight() + 4, list->height()) << count;
        EXPECT_EQ(count, list->count());
    }
}

TEST(GridInplaceEditor, ClosingTakesTheSelectedItemUnlessReadOnly) {
    for (const bool readOnly : {false, true}) {
        EditedGrid f;
        GridColumn &column = f.grid.column(1);
        column.setButtonStyle(GridButtonStyle::PickList);
        column.setPickList({QStringLiteral("Miete"), QStringLiteral("Strom")});
        column.setReadOnly(readOnly);
        f.edit->takeUpCell(column, QStringLiteral("alt"));
        f.edit->dropDown();
        f.edit->pickListWindow()->setCurrentRow(1);
        QTest::keyClick(f.edit, Qt::Key_Return); // keys go to the open list
        EXPECT_FALSE(f.edit->listVisible());
        EXPECT_EQ(readOnly ? QStringLiteral("alt") : QStringLiteral("Strom"), f.edit->text());
    }
}

TEST(GridInplaceEditor, AHandlerMayReplaceThePickList) {
    EditedGrid f;
    GridColumn &column = f.grid.column(1);
    column.setButtonStyle(GridButtonStyle::PickList);
    column.setPickList({QStringLiteral("alt")});
    QObject::connect(&f.grid, &StringGrid::pickListAboutToShow, [&f](int col, int row) {
        f.grid.column(col).setPickList({QStringLiteral("Spalte %1 Zeile %2").arg(col).arg(row)});
    });
    f.edit->takeUpCell(column, QString());
    f.edit->dropDown();
    ASSERT_EQ(1, f.edit->pickListWindow()->count());
    EXPECT_EQ(QStringLiteral("Spalte 1 Zeile 1"), f.edit->pickListWindow()->item(0)->text());
}

TEST(GridInplaceEditor, CtrlEnterClicksTheEllipsis) {
    EditedGrid f;
    GridColumn &column = f.grid.column(1);
    column.setButtonStyle(GridButtonStyle::Ellipsis);
    f.edit->takeUpCell(column, QString());
    QSignalSpy clicks(&f.grid, &StringGrid::ellipsisClicked);
    QTest::keyClick(f.edit, Qt::Key_Return, Qt::ControlModifier);
    ASSERT_EQ(1, clicks.count());
    EXPECT_EQ(1, clicks.at(0).at(0).toInt());
    EXPECT_EQ(1, clicks.at(0).at(1).toInt());
    EXPECT_EQ(QString(), f.edit->text());
}

TEST(PopupListBox, SearchStartsAfreshAfterTwoSeconds) {
    EditedGrid f;
    PopupListBox list(f.edit);
    qint64 now = 10000;
    list.setClock([&now] { return now; });
    list.setItems({QStringLiteral("Abbuchung"), QStringLiteral("Bareinzahlung"),
                   QStringLiteral("Barauszahlung")});

    struct Step {
        qint64 advance;
        Qt::Key key;
        const char *search;
        int row;
    };
    const Step steps[] = {
        {0, Qt::Key_B, "b", 1},      {500, Qt::Key_A, "ba", 1}, {500, Qt::Key_R, "bar", 1},
        {500, Qt::Key_A, "bara", 2}, {2001, Qt::Key_A, "a", 0}, {100, Qt::Key_Backspace, "", 0},
    };
    for (const Step &step : steps) {
        now += step.advance;
        QTest::keyClick(&list, step.key);
        EXPECT_EQ(QString::fromLatin1(step.search), list.searchText()) << step.search;
        EXPECT_EQ(step.row, list.currentRow()) << step.search;
    }
}
