#include "widgets/stringgrid.h"
#include "widgets/writecelltext.h"

#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace penvaro::widgets;

namespace {

// The leftmost and rightmost columns of an area that hold a pixel other than the background.
std::pair<int, int> inkColumns(const QImage &image, const QRect &area, QRgb background) {
    int first = -1;
    int last = -1;
    for (int x = area.left(); x <= area.right(); ++x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            if (image.pixel(x, y) != background) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
        }
    }
    return {first, last};
}

QImage paintCell(const QRect &rect, Qt::Alignment alignment, const QString &text) {
    QImage image(rect.right() + 10, rect.bottom() + 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const GridFont font{QFont(QStringLiteral("Liberation Sans"), 10), Qt::black};
    WriteCellText(painter, rect, Qt::white, font, 2, 2, alignment, text);
    return image;
}

} // namespace

TEST(WriteCellText, PlacesTextByAlignment) {
    const QRect rect(10, 5, 120, 20);
    const auto [rightFirst, rightLast] =
        inkColumns(paintCell(rect, Qt::AlignRight, QStringLiteral("1.234,50 €")), rect, 0xffffffff);
    EXPECT_LE(rightLast, rect.right() - 3);
    EXPECT_GE(rightLast, rect.right() - 6);

    const auto [leftFirst, leftLast] =
        inkColumns(paintCell(rect, Qt::AlignLeft, QStringLiteral("Miete")), rect, 0xffffffff);
    EXPECT_GE(leftFirst, rect.left() + 2);
    EXPECT_LE(leftFirst, rect.left() + 4);

    const auto [centreFirst, centreLast] =
        inkColumns(paintCell(rect, Qt::AlignHCenter, QStringLiteral("+")), rect, 0xffffffff);
    EXPECT_NEAR((centreFirst + centreLast) / 2.0, rect.center().x(), 3);
    // The unused halves of the pairs are of no interest here.
    (void)rightFirst;
    (void)leftLast;

    const QRect narrow(10, 5, 40, 20);
    const auto [cutFirst, cutLast] =
        inkColumns(paintCell(narrow, Qt::AlignHCenter, QStringLiteral("Absender/Empfänger")),
                   narrow, 0xffffffff);
    EXPECT_LE(cutFirst, narrow.left() + 4) << "a text too wide shows its beginning";
    EXPECT_LE(cutLast, narrow.right());
}

TEST(StringGrid, PaintsHeaderAndFixedColumnFromTheTitles) {
    StringGrid grid;
    grid.resize(400, 200);
    grid.setColumnCount(2);
    grid.setRowCount(3);
    grid.setColumnWidth(0, 150);
    grid.setColumnWidth(1, 150);
    const QColor titleColour(224, 224, 224);
    grid.setFixedColor(titleColour);
    grid.column(1).setAlignment(Qt::AlignRight);
    grid.column(1).title().setAlignment(Qt::AlignHCenter);
    grid.setCell(1, 0, QStringLiteral("Betrag"));
    grid.setCell(0, 1, QStringLiteral("Startwert"));
    grid.setCell(1, 1, QStringLiteral("5,00 €"));
    grid.show();
    QApplication::processEvents();

    const QImage header = grid.horizontalHeader()->grab().toImage();
    const QRect section(152, 3, 146, header.height() - 6); // inside the raised edge
    const auto [first, last] = inkColumns(header, section, titleColour.rgb());
    ASSERT_GE(first, 0);
    EXPECT_NEAR((first + last) / 2.0, 225, 4) << "centred although the cells are right-aligned";

    const QImage cells = grid.viewport()->grab().toImage();
    EXPECT_EQ(titleColour.rgb(), cells.pixel(140, 5)) << "a fixed column's data cell";
    EXPECT_EQ(grid.color().rgb(), cells.pixel(160, 5));

    grid.column(1).title().setCaption(QStringLiteral("X"));
    QApplication::processEvents();
    const auto [captionFirst, captionLast] =
        inkColumns(grid.horizontalHeader()->grab().toImage(), section, titleColour.rgb());
    EXPECT_LT(captionLast - captionFirst, last - first) << "an assigned caption replaces the text";
}

TEST(StringGrid, BulkUpdatesKeepTheCurrentRowAndAllCells) {
    StringGrid grid;
    grid.setOptions(StringGrid::RowSelect | StringGrid::RangeSelect);
    grid.setColumnCount(10);
    grid.setRowCount(3);
    grid.setCurrentCell(1, 2);

    grid.beginUpdate();
    grid.setRowCount(5001);
    for (int row = 1; row <= 5000; ++row) {
        for (int col = 0; col < 10; ++col)
            grid.setCell(col, row, QString::number(row * 10 + col));
    }
    grid.endUpdate();
    EXPECT_EQ(5000, grid.model()->rowCount());
    EXPECT_EQ(QStringLiteral("50009"), grid.cell(9, 5000));
    EXPECT_EQ(QStringLiteral("50009"), grid.model()->index(4999, 9).data().toString());
    EXPECT_EQ(2, grid.currentRow());

    grid.beginUpdate();
    grid.setRowCount(2);
    grid.clearRow(1);
    grid.endUpdate();
    EXPECT_EQ(1, grid.model()->rowCount());
    EXPECT_EQ(QString(), grid.cell(0, 1));
}

TEST(StringGrid, TabInTheLastCellAppendsARow) {
    StringGrid grid;
    grid.setOptions(StringGrid::Editing | StringGrid::Tabs);
    grid.setColumnCount(2);
    grid.setRowCount(2);
    grid.setDefaultRowHeight(20);
    grid.resize(200, 70); // room for three rows of 21 pixels, not four
    grid.setCell(0, 1, QStringLiteral("a"));
    grid.setCell(1, 1, QStringLiteral("b"));
    QSignalSpy newRows(&grid, &StringGrid::rowAppended);
    QSignalSpy tooMany(&grid, &StringGrid::tooManyRows);

    grid.setCurrentCell(1, 1);
    QTest::keyClick(&grid, Qt::Key_Tab);
    EXPECT_EQ(3, grid.rowCount());
    EXPECT_EQ(1, newRows.count());
    EXPECT_EQ(0, tooMany.count());

    for (int i = 0; i < 2; ++i) {
        grid.setCurrentCell(1, grid.rowCount() - 1);
        QTest::keyClick(&grid, Qt::Key_Tab);
    }
    EXPECT_EQ(5, grid.rowCount());
    EXPECT_EQ(1, tooMany.count()) << "reported once until the rows fit again";
    EXPECT_EQ(QString(), grid.cell(1, 4));

    grid.setCurrentCell(0, grid.rowCount() - 1);
    QTest::keyClick(&grid, Qt::Key_Tab);
    EXPECT_EQ(5, grid.rowCount()) << "only the last cell appends";
}
