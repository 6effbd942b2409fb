#include "accountfixture.h"
#include "support/filesizelimit.h"
#include "widgetlookup.h"

#include "entry/startvaluedialog.h"

#include "core/bookingchanges.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <filesystem>

namespace penvaro::entry {
namespace {

using core::BookingKind;
using core::BookingRecord;
using penvaro::testing::ScriptedUiService;
using testing::Child;
using testing::ErrorShown;

BookingRecord Completed(std::int64_t amount) {
    BookingRecord record;
    record.Satzart = BookingKind::Completed;
    record.Auszugsjahr = 2011;
    record.Auszugsnr = 3;
    record.Wertdatum = 40664.0;
    record.Betrag = amount;
    return record;
}

class TStartWertEingebenFTest : public ::testing::Test {
protected:
    void SetUp() override { account.open({Completed(5000)}); }

    // Runs the dialog; the user picks the direction (nullptr: none), types the amount and
    // confirms with the given key or button.
    int enter(const char *direction, const QString &amount, const char *confirm = "BEingeben") {
        account.ui.setNextModal([=, this](QDialog &shown) {
            testing::ShowActive(shown);
            auto *list = Child<QListWidget>(shown, "ESollHaben");
            if (direction)
                list->findItems(QString::fromLatin1(direction), Qt::MatchExactly)
                    .first()
                    ->setSelected(true);
            testing::Retype(Child<QLineEdit>(shown, "EBetrag"), amount);
            if (QString::fromLatin1(confirm) == QStringLiteral("Return"))
                QTest::keyClick(shown.focusWidget(), Qt::Key_Return);
            else
                QTest::mouseClick(Child<QPushButton>(shown, confirm), Qt::LeftButton);
            return shown.result();
        });
        return dialog.showModal();
    }

    testing::Account account;
    StartValueDialog dialog{*account.state};
};

TEST_F(TStartWertEingebenFTest, ShowsItsControlsWithTheirCaptions) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Startguthaben eingeben ..."));
    EXPECT_EQ(Child<QLabel>(dialog, "Label1")->text(), QStringLiteral("Startguthaben"));
    EXPECT_EQ(Child<QPushButton>(dialog, "BEingeben")->text(),
              QStringLiteral("Startwert speichern"));
    EXPECT_TRUE(Child<QPushButton>(dialog, "BEingeben")->isDefault());
    EXPECT_EQ(Child<QPushButton>(dialog, "BAbbrechen")->text(), QStringLiteral("Schließen"));
    auto *direction = Child<QListWidget>(dialog, "ESollHaben");
    ASSERT_EQ(direction->count(), 2);
    EXPECT_EQ(direction->item(0)->text(), QStringLiteral("+"));
    EXPECT_EQ(direction->item(1)->text(), QStringLiteral("-"));
    for (const QLabel *label : dialog.findChildren<QLabel *>()) {
        if (label->buddy()) {
            EXPECT_FALSE(label->text().isEmpty());
        }
    }
}

TEST_F(TStartWertEingebenFTest, StoresTheStartValueInTableAndFile) {
    struct Case {
        const char *direction;
        const char *amount;
        const char *confirm;
        char16_t sollHaben;
        std::int64_t betrag;
    };
    const Case cases[] = {
        {nullptr, "250", "Return", u'+', 2500000},
        {"+", "1500,00", "BEingeben", u'+', 15000000},
        {"-", "0", "BEingeben", u'-', 0},
        {"+", "1.234,56", "Return", u'+', 12345600},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.amount);
        account.open({Completed(5000)});
        account.refreshes = 0;

        EXPECT_EQ(enter(c.direction, QString::fromLatin1(c.amount), c.confirm), QDialog::Accepted);

        BookingRecord expected;
        expected.Satzart = BookingKind::StartValue;
        expected.Auszugsjahr = 1960;
        expected.Auszugsnr = 1;
        expected.Auszugsdatum = expected.Wertdatum = expected.Buchungsdatum = 21916.0;
        expected.SollHaben = c.sollHaben;
        expected.Betrag = c.betrag;
        EXPECT_EQ(account.inTable(), (std::vector<BookingRecord>{expected, Completed(5000)}))
            << "sorted: the start value comes first";
        EXPECT_EQ(account.onDisk(), (std::vector<BookingRecord>{Completed(5000), expected}));
        EXPECT_EQ(account.refreshes, 1);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_TRUE(account.ui.shown().back().kind == ScriptedUiService::Kind::Modal);
    }
}

TEST_F(TStartWertEingebenFTest, AnUnreadableAmountIsRefusedWith431AndCanBeCorrected) {
    struct Case {
        const char *amount;
        const char *message;
    };
    const Case cases[] = {
        {"", "Kein Betrag eingegeben (z. B. 1.234,56)"},
        {"1.50,00", "Unzulässiger Betrag: 1.50,00 (z. B. 1.234,56)"},
        {"1500,00 EUR", "Unzulässiger Betrag: 1500,00 EUR (z. B. 1.234,56)"},
        {"92233720368547759", "Unzulässiger Betrag: 92233720368547759 (zu groß, z. B. 1.234,56)"},
        {"-50", "Unzulässiger Betrag: -50 (ohne Vorzeichen, z. B. 1.234,56)"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.amount);
        account.ui.clear();

        EXPECT_EQ(enter("+", QString::fromUtf8(c.amount)), QDialog::Rejected);

        EXPECT_EQ(account.ui.shown().back(), ErrorShown(431, QString::fromUtf8(c.message)));
        EXPECT_EQ(dialog.focusWidget(), Child<QLineEdit>(dialog, "EBetrag"));
        EXPECT_EQ(Child<QLineEdit>(dialog, "EBetrag")->selectedText(), QString::fromUtf8(c.amount));
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(account.inTable(), std::vector<BookingRecord>{Completed(5000)});
        EXPECT_EQ(account.onDisk(), std::vector<BookingRecord>{Completed(5000)});
    }

    EXPECT_EQ(enter("+", QStringLiteral("1500")), QDialog::Accepted);
    EXPECT_EQ(account.inTable().size(), 2u);
    EXPECT_EQ(account.onDisk().size(), 2u);
}

TEST_F(TStartWertEingebenFTest, OpensWithPlusSelectedAndTheAmountToType) {
    EXPECT_EQ(enter("-", QStringLiteral("7"), "BAbbrechen"), QDialog::Rejected);
    account.ui.setNextModal([](QDialog &shown) {
        EXPECT_EQ(Child<QLineEdit>(shown, "EBetrag")->text(), QString());
        testing::ShowActive(shown);
        // A start value is normally a credit; what is typed first is its amount.
        EXPECT_EQ(Child<QListWidget>(shown, "ESollHaben")->selectedItems().size(), 1);
        EXPECT_TRUE(Child<QListWidget>(shown, "ESollHaben")->item(0)->isSelected());
        EXPECT_EQ(testing::FocusName(), QStringLiteral("EBetrag"));
        QTest::keyClicks(shown.focusWidget(), QStringLiteral("12"));
        EXPECT_EQ(Child<QLineEdit>(shown, "EBetrag")->text(), QStringLiteral("12"));
        QTest::keyClick(&shown, Qt::Key_Escape);
        return shown.result();
    });
    EXPECT_EQ(dialog.showModal(), QDialog::Rejected);
    EXPECT_EQ(account.onDisk().size(), 1u) << "closing stores nothing";
}

TEST_F(TStartWertEingebenFTest, TheCommandRefusesASecondStartValue) {
    EXPECT_EQ(enter("+", QStringLiteral("100")), QDialog::Accepted);
    account.ui.clear();

    EXPECT_EQ(dialog.showFromCommand(), QDialog::Rejected);

    EXPECT_EQ(account.ui.shown(), (std::vector<ScriptedUiService::Shown>{
                                      {ScriptedUiService::Kind::Information,
                                       QStringLiteral("Der Startwert ist schon eingegeben!")}}));
    EXPECT_EQ(account.onDisk().size(), 2u);
}

TEST_F(TStartWertEingebenFTest, AFullTableOrAFailedWriteKeepsTableAndFileAsTheyWere) {
    struct Case {
        const char *what;
        std::size_t records;
        std::uintmax_t fileLimit; // 0: none
        QString told;
    };
    const Case cases[] = {
        {"full table", static_cast<std::size_t>(core::MaxBookings), 0,
         QString::fromStdString(core::TableFullError().message)},
        {"disk full part-way", 3, 3 * core::BookingRecordSize + 60, QString()},
        {"disk full at once", 3, 3 * core::BookingRecordSize, QString()},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        account.open(std::vector<BookingRecord>(c.records, Completed(5000)));
        const auto before = account.onDisk();
        account.ui.clear();
        {
            std::optional<testing::FileSizeLimit> limit;
            if (c.fileLimit != 0)
                limit.emplace(c.fileLimit);
            EXPECT_EQ(enter("+", QStringLiteral("100")), QDialog::Rejected);
        }

        ASSERT_EQ(account.ui.shown().back().kind, ScriptedUiService::Kind::Failure);
        if (!c.told.isEmpty()) {
            EXPECT_EQ(account.ui.shown().back().text, c.told);
        }
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(account.inTable(), before);
        EXPECT_EQ(account.onDisk(), before);
    }
}

} // namespace
} // namespace penvaro::entry
