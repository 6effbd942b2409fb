#include "ledger/grid/impgridinplaceedit.h"
#include "ledger/grid/impstringgrid.h"
#include "ledger/grid/tpopuplistbox.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace penvaro::ledger;

namespace {

struct EditedGrid {
    EditedGrid() {
        grid.setOptions(TImpStringgrid::Editing);
        grid.setColCount(3);
        grid.setRowCount(3);
        grid.resize(300, 200);
        grid.show();
        grid.setCurrentCell(1, 1);
        edit = new TImpGridInplaceEdit(&grid, grid.viewport());
        edit->resize(100, 20);
        edit->show();
    }

    TImpStringgrid grid;
    TImpGridInplaceEdit *edit;
};

QStringList items(int n) {
    QStringList list;
    for (int i = 0; i < n; ++i)
        list << QStringLiteral("Eintrag %1").arg(i);
    return list;
}

} // namespace

TEST(TImpGridInplaceEdit, DropDownHeightFollowsItemsAndDropDownRows) {
    for (const int count : {12, 3}) {
        EditedGrid f;
        TImpColumn &column = f.grid.Columns(1);
        column.setButtonStyle(TImpColumnButtonStyle::cbsPicklist);
        column.setPickList(items(count));
        f.edit->takeUpCell(column, QString());
        ASSERT_EQ(TImpGridInplaceEdit::EditStyle::PickList, f.edit->editStyle());
        f.edit->dropDown();
        ASSERT_TRUE(f.edit->listVisible());
        const TPopupListbox *list = f.edit->pickListWindow();
        EXPECT_EQ(std::min(count, 7) * list->ItemHeight() + 4, list->height()) << count;
        EXPECT_EQ(count, list->count());
    }
}

TEST(TImpGridInplaceEdit, ClosingTakesTheSelectedItemUnlessReadOnly) {
    for (const bool readOnly : {false, true}) {
        EditedGrid f;
        TImpColumn &column = f.grid.Columns(1);
        column.setButtonStyle(TImpColumnButtonStyle::cbsPicklist);
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

TEST(TImpGridInplaceEdit, AHandlerMayReplaceThePickList) {
    EditedGrid f;
    TImpColumn &column = f.grid.Columns(1);
    column.setButtonStyle(TImpColumnButtonStyle::cbsPicklist);
    column.setPickList({QStringLiteral("alt")});
    QObject::connect(&f.grid, &TImpStringgrid::OnPicklistDropdown,
                     [](QObject *, int col, int row, QStringList &list) {
                         list = {QStringLiteral("Spalte %1 Zeile %2").arg(col).arg(row)};
                     });
    f.edit->takeUpCell(column, QString());
    f.edit->dropDown();
    ASSERT_EQ(1, f.edit->pickListWindow()->count());
    EXPECT_EQ(QStringLiteral("Spalte 1 Zeile 1"), f.edit->pickListWindow()->item(0)->text());
}

TEST(TImpGridInplaceEdit, CtrlEnterClicksTheEllipsis) {
    EditedGrid f;
    TImpColumn &column = f.grid.Columns(1);
    column.setButtonStyle(TImpColumnButtonStyle::cbsEllipsis);
    f.edit->takeUpCell(column, QString());
    QSignalSpy clicks(&f.grid, &TImpStringgrid::OnElippsisclicked);
    QTest::keyClick(f.edit, Qt::Key_Return, Qt::ControlModifier);
    ASSERT_EQ(1, clicks.count());
    EXPECT_EQ(1, clicks.at(0).at(1).toInt());
    EXPECT_EQ(1, clicks.at(0).at(2).toInt());
    EXPECT_EQ(QString(), f.edit->text());
}

TEST(TPopupListbox, SearchStartsAfreshAfterTwoSeconds) {
    EditedGrid f;
    TPopupListbox list(f.edit);
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
