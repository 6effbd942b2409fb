#include "paymentfixture.h"
#include "widgetlookup.h"

#include "payments/bankcodes.h"
#include "payments/bankcodesearchdialog.h"
#include "tablecells.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <optional>

namespace penvaro::payments {
namespace {

using testing::Child;
using testing::OnNextModal;
using testing::ScriptedUiService;

class TBLZSucheFTest : public testing::PaymentFixture {
protected:
    // The rows of the result grid, each as its four cells joined by "|".
    static QStringList Rows(const testing::TableCells &grid) {
        QStringList rows;
        for (int row = 1; row < grid.rowCount(); ++row) {
            QStringList cells;
            for (int col = 0; col < grid.columnCount(); ++col)
                cells.append(grid.cell(col, row));
            rows.append(cells.join(QLatin1Char('|')));
        }
        return rows;
    }

    // Searches for the texts and returns the bank codes listed, the empty last row included.
    QStringList search(const QString &name, const QString &place) {
        QStringList codes;
        OnNextModal<BankCodeSearchDialog>(ui, [&](BankCodeSearchDialog &shown) {
            testing::Retype(Child<QLineEdit>(shown, "EBankname"), name);
            testing::Retype(Child<QLineEdit>(shown, "EOrt"), place);
            QTest::mouseClick(Child<QPushButton>(shown, "Button1"), Qt::LeftButton);
            codes = testing::TableCells(*Child<QTableView>(shown, "StringGrid1")).column(0);
        });
        EXPECT_EQ(dialog.chooseBankCode(), std::nullopt);
        return codes;
    }

    BankCodes bankCodes{ui};
    BankCodeSearchDialog dialog{ui, bankCodes};
};

TEST_F(TBLZSucheFTest, ListsTheMatchesInFileOrderEndingInOneEmptyRow) {
    struct Case {
        const char *name;
        const char *place;
        QStringList codes;
    };
    const Case cases[] = {
        {"", "KÖLN", {QStringLiteral("37050198"), QStringLiteral("37010050"), QString()}},
        // Only a to z are folded: köln is looked for as KöLN, which the file does not hold.
        {"", "köln", {QString()}},
        {"postbank", "", {QStringLiteral("20010020"), QStringLiteral("37010050"), QString()}},
        {"Postbank", "KÖLN", {QStringLiteral("37010050"), QString()}},
        // The code columns lie before the name: digits typed as a name find codes.
        {"100",
         "",
         {QStringLiteral("10000000"), QStringLiteral("20010020"), QStringLiteral("37010050"),
          QString()}},
        {"", "", {QString()}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.name) + "/" + c.place);
        EXPECT_EQ(search(QString::fromUtf8(c.name), QString::fromUtf8(c.place)), c.codes);
    }
    EXPECT_EQ(std::ranges::count(ui.shown(), ScriptedUiService::Kind::Failure,
                                 &ScriptedUiService::Shown::kind),
              0);
}

TEST_F(TBLZSucheFTest, ShowsTheColumnSlicesAsTheFileHoldsThem) {
    OnNextModal<BankCodeSearchDialog>(ui, [](BankCodeSearchDialog &shown) {
        const testing::TableCells grid(*Child<QTableView>(shown, "StringGrid1"));
        EXPECT_EQ(grid.rowCount(), 2);
        EXPECT_EQ(grid.cell(0, 0), QStringLiteral("Bankleitzahl"));
        EXPECT_EQ(grid.cell(3, 0), QStringLiteral("Ort"));
        testing::Retype(Child<QLineEdit>(shown, "EOrt"), QStringLiteral("Berlin"));
        QTest::keyClick(Child<QLineEdit>(shown, "EOrt"), Qt::Key_Return);
        EXPECT_EQ(Rows(grid),
                  (QStringList{QStringLiteral("10000000|Bundesbank") + QString(48, u' ')
                                   + QStringLiteral("|10591|Berlin") + QString(23, u' '),
                               QStringLiteral("|||")}));
    });
    EXPECT_EQ(dialog.chooseBankCode(), std::nullopt);
}

TEST_F(TBLZSucheFTest, ADoubleClickPicksTheBankCodeOfTheRow) {
    OnNextModal<BankCodeSearchDialog>(ui, [](BankCodeSearchDialog &shown) {
        testing::Retype(Child<QLineEdit>(shown, "EOrt"), QStringLiteral("KÖLN"));
        QTest::mouseClick(Child<QPushButton>(shown, "Button1"), Qt::LeftButton);
        auto *grid = Child<QTableView>(shown, "StringGrid1");
        // The empty row that ends the list picks nothing.
        const QRect empty = grid->visualRect(grid->model()->index(2, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, empty.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, empty.center());
        EXPECT_TRUE(shown.isVisible());
        const QRect cell = grid->visualRect(grid->model()->index(1, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        EXPECT_FALSE(shown.isVisible());
    });
    EXPECT_EQ(dialog.chooseBankCode(), QStringLiteral("37010050"));

    // The next search starts afresh.
    OnNextModal<BankCodeSearchDialog>(ui, [](BankCodeSearchDialog &shown) {
        EXPECT_EQ(testing::TextOf(shown, "EOrt"), QString());
        EXPECT_EQ(Child<QTableView>(shown, "StringGrid1")->model()->rowCount(), 1);
        QTest::mouseClick(Child<QPushButton>(shown, "Button2"), Qt::LeftButton);
    });
    EXPECT_EQ(dialog.chooseBankCode(), std::nullopt);
}

TEST_F(TBLZSucheFTest, AMissingFileIsReportedAndTheListStaysEmpty) {
    removeBankCodes();
    OnNextModal<BankCodeSearchDialog>(ui, [](BankCodeSearchDialog &shown) {
        testing::Retype(Child<QLineEdit>(shown, "EBankname"), QStringLiteral("Bank"));
        QTest::mouseClick(Child<QPushButton>(shown, "Button1"), Qt::LeftButton);
        EXPECT_EQ(Child<QTableView>(shown, "StringGrid1")->model()->rowCount(), 1);
    });
    EXPECT_EQ(dialog.chooseBankCode(), std::nullopt);
    const auto failures = std::ranges::count(ui.shown(), ScriptedUiService::Kind::Failure,
                                             &ScriptedUiService::Shown::kind);
    EXPECT_EQ(failures, 1);
}

} // namespace
} // namespace penvaro::payments
