#include "appfixture.h"
#include "support/records.h"
#include "support/tempdir.h"
#include "tablecells.h"

#include "app/ledgercommands.h"
#include "app/mainwindow.h"
#include "core/accountregister.h"
#include "core/date.h"
#include "ledger/accountsoverviewdialog.h"
#include "platform/registryvalue.h"
#include "platform/settingsstore.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

#include <gtest/gtest.h>

using namespace penvaro;
using app::MainWindow;
using penvaro::testing::ScriptedUiService;

namespace {

class AccountFiles : public penvaro::testing::AppFixture {
protected:
    AccountFiles() {
        window = std::make_unique<MainWindow>(*state);
        window->startUp();
        ui.clear();
    }

    std::vector<core::RegisterEntry> registerEntries() const {
        const auto loaded = core::LoadAccountRegister(state->registerPath());
        EXPECT_TRUE(loaded);
        return loaded ? loaded->entries : std::vector<core::RegisterEntry>{};
    }

    std::optional<platform::RegistryValue> fileValue(const std::filesystem::path &file,
                                                     const char *name) const {
        const auto value =
            store->value(platform::FileSettingsKey(*store, QString::fromStdString(file.string())),
                         QString::fromLatin1(name));
        return value ? *value : std::nullopt;
    }

    ledger::AccountsOverviewDialog &overview() { return window->commands().accountsOverview(); }

    QStringList overviewColumn(int col) {
        return penvaro::testing::TableCells(
                   *overview().findChild<QTableView *>(QStringLiteral("SG1")))
            .column(col);
    }

    std::unique_ptr<MainWindow> window;
};

} // namespace

TEST_F(AccountFiles, OpeningTheSameFileTwiceKeepsOneEntryWithTheLatestBalance) {
    const auto file =
        writeAccount(QStringLiteral("giro.p11"), {penvaro::testing::StartValue(1000000)});
    ui.setNextFileName(QString::fromStdString(file.string()));
    window->openAccountFile();
    ASSERT_TRUE(window->ledgerVisible());

    writeAccount(QStringLiteral("giro.p11"),
                 {penvaro::testing::StartValue(1000000),
                  penvaro::testing::Completed(2011, 1, "05.01.2011", 250000)});
    ui.setNextFileName(QString::fromStdString(file.string()));
    window->openAccountFile();

    const auto entries = registerEntries();
    ASSERT_EQ(1u, entries.size());
    EXPECT_EQ(file.string(), entries[0].Dateiname.toUtf8());
    EXPECT_EQ(1250000, entries[0].Kontostand);
    EXPECT_EQ(file.string(), state->settings().accountFile);
    EXPECT_EQ(std::vector<ScriptedUiService::Shown>{}, messages());
}

TEST_F(AccountFiles, AnOlderFileIsConvertedAndKeepsItsSettings) {
    const auto old = accountPath(QStringLiteral("konto.p02"));
    const std::vector<core::BookingRecord> records = {
        penvaro::testing::StartValue(500000),
        penvaro::testing::Completed(2002, 3, "04.03.2002", 1000)};
    penvaro::testing::WriteBytes(old, penvaro::testing::LegacyFileBytes(records));
    setFileValue(old, QStringLiteral("Waehrung"), QStringLiteral("ATS"));

    window->openAccountFileByPath(old);
    const auto converted = accountPath(QStringLiteral("konto.p11"));
    EXPECT_TRUE(std::filesystem::exists(old));
    EXPECT_EQ(records, recordsOnDisk(converted));
    EXPECT_EQ(converted.string(), state->settings().accountFile);
    EXPECT_EQ("ATS", state->settings().nationalCurrency);
    EXPECT_EQ(platform::RegistryValue(QStringLiteral("ATS")), fileValue(old, "Waehrung"));
    const auto entries = registerEntries();
    ASSERT_EQ(1u, entries.size());
    EXPECT_EQ(converted.string(), entries[0].Dateiname.toUtf8());
}

TEST_F(AccountFiles, AnExistingConvertedFileIsReplacedOnlyWhenTheUserSaysSo) {
    const auto old = accountPath(QStringLiteral("konto.p02"));
    penvaro::testing::WriteBytes(
        old, penvaro::testing::LegacyFileBytes({penvaro::testing::StartValue(500000)}));
    const std::vector<core::BookingRecord> existing = {penvaro::testing::StartValue(1),
                                                       penvaro::testing::Planned("01.07.2011")};
    const auto target = writeAccount(QStringLiteral("konto.p11"), existing);

    ui.setNextAnswer(platform::Answer::No);
    window->openAccountFileByPath(old);
    EXPECT_EQ(existing, recordsOnDisk(target));
    EXPECT_EQ(target.string(), state->settings().accountFile);
    EXPECT_EQ(2, state->table().count());

    ui.setNextAnswer(platform::Answer::Yes);
    window->openAccountFileByPath(old);
    EXPECT_EQ(std::vector<core::BookingRecord>{penvaro::testing::StartValue(500000)},
              recordsOnDisk(target));
}

TEST_F(AccountFiles, ANewFileStartsEmptyWithTheCurrencyOfTheFileThatWasOpen) {
    const auto giro = writeAccount(QStringLiteral("giro.p11"), {penvaro::testing::StartValue(100)});
    setFileValue(giro, QStringLiteral("Eurokurs"), platform::BinaryFromDouble(13.7603));
    setFileValue(giro, QStringLiteral("Waehrung"), QStringLiteral("ATS"));
    setFileValue(giro, QStringLiteral("natBetrag"), std::int32_t(1));
    setFileValue(giro, QStringLiteral("euroBetrag"), std::int32_t(0));
    window->openAccountFileByPath(giro);

    ui.setNextFileName(dir.filePath(QStringLiteral("kasse")));
    window->commands().newAccountFile();
    const auto kasse = accountPath(QStringLiteral("kasse.p11"));
    ASSERT_TRUE(std::filesystem::exists(kasse));
    EXPECT_EQ(0u, std::filesystem::file_size(kasse));
    EXPECT_EQ(kasse.string(), state->settings().accountFile);
    EXPECT_EQ(platform::RegistryValue(QStringLiteral("ATS")), fileValue(kasse, "Waehrung"));
    EXPECT_EQ(13.7603, platform::DoubleFromBinary(*fileValue(kasse, "Eurokurs")));
    EXPECT_EQ(platform::RegistryValue(std::int32_t(1)), fileValue(kasse, "euroBetrag"));
    EXPECT_EQ(platform::RegistryValue(std::int32_t(0)), fileValue(kasse, "natBetrag"));
    EXPECT_EQ(2u, registerEntries().size());
}

TEST_F(AccountFiles, ANewFileAsksForItsStartValueAndThenItsOwnBankData) {
    const auto giro = writeAccount(QStringLiteral("giro.p11"), {penvaro::testing::StartValue(100)});
    setFileValue(giro, QStringLiteral("Kontonummer"), QStringLiteral("111"));
    setFileValue(giro, QStringLiteral("Kontoinhaber"), QStringLiteral("Erika Muster"));
    window->openAccountFileByPath(giro);

    std::vector<std::string> shown;
    ui.setNextModal([&](QDialog &dialog) {
        shown.push_back(dialog.objectName().toStdString());
        return int(QDialog::Rejected);
    });
    ui.setNextModal([&](QDialog &dialog) {
        shown.push_back(dialog.objectName().toStdString());
        dialog.show();
        const auto *pages = dialog.findChild<QTabWidget *>(QStringLiteral("PageControl1"));
        EXPECT_EQ(pages->currentWidget()->objectName(), QStringLiteral("TabSheet4"));
        // The new account's data start empty rather than as a copy of the old account's.
        auto *number = dialog.findChild<QLineEdit *>(QStringLiteral("EKontonummer"));
        EXPECT_EQ(number->text(), QString());
        EXPECT_EQ(dialog.findChild<QLineEdit *>(QStringLiteral("EKontoinhaber"))->text(),
                  QString());
        number->setText(QStringLiteral("222"));
        dialog.findChild<QLineEdit *>(QStringLiteral("EKontobezeichnung"))
            ->setText(QStringLiteral("Kasse"));
        dialog.reject();
        return dialog.result();
    });
    ui.setNextFileName(dir.filePath(QStringLiteral("kasse.p11")));
    window->commands().newAccountFile();

    EXPECT_EQ(shown, (std::vector<std::string>{"TStartWertEingebenF", "TUeberwF"}));
    const auto kasse = accountPath(QStringLiteral("kasse.p11"));
    EXPECT_EQ(platform::RegistryValue(QStringLiteral("222")), fileValue(kasse, "Kontonummer"));
    EXPECT_EQ(platform::RegistryValue(QStringLiteral("111")), fileValue(giro, "Kontonummer"));
    const auto entries = registerEntries();
    ASSERT_EQ(2u, entries.size());
    EXPECT_EQ(kasse.string(), entries[1].Dateiname.toUtf8());
    EXPECT_EQ("222", entries[1].Kontonummer.toUtf8());
    EXPECT_EQ("Kasse", entries[1].Kontobezeichnung.toUtf8());
}

TEST_F(AccountFiles, ANewFileOverAnExistingOneNeedsAYes) {
    const auto giro = writeAccount(QStringLiteral("giro.p11"), {penvaro::testing::StartValue(100)});
    ui.setNextFileName(QString::fromStdString(giro.string()));
    ui.setNextAnswer(platform::Answer::No);
    window->commands().newAccountFile();
    EXPECT_EQ(1u, recordsOnDisk(giro).size());
    EXPECT_FALSE(window->ledgerVisible());

    ui.setNextFileName(QString::fromStdString(giro.string()));
    ui.setNextAnswer(platform::Answer::Yes);
    window->commands().newAccountFile();
    EXPECT_TRUE(recordsOnDisk(giro).empty());
}

TEST_F(AccountFiles, DueRecurringBookingsArePlannedOnOpening) {
    const auto file =
        writeAccount(QStringLiteral("miete.p11"), {penvaro::testing::StartValue(0),
                                                   penvaro::testing::Recurring(15, "15.06.2011")});
    setFileValue(file, QStringLiteral("LM"),
                 platform::BinaryFromDouble(*core::ParseDate("10.06.2011")));
    window->openAccountFileByPath(file);

    const auto onDisk = recordsOnDisk(file);
    ASSERT_EQ(3u, onDisk.size());
    EXPECT_EQ(core::BookingKind::Planned, onDisk[2].Satzart);
    EXPECT_EQ("15.07.2011", core::FormatDate(onDisk[2].Wertdatum));
    EXPECT_EQ(*core::ParseDate("21.06.2011"), platform::DoubleFromBinary(*fileValue(file, "LM")));
}

TEST_F(AccountFiles, TheOverviewListsEveryFileWithItsTotal) {
    QLabel &saldo = *overview().findChild<QLabel *>(QStringLiteral("LSaldo"));
    overview().refill();
    EXPECT_EQ(QStringList{}, overviewColumn(0));
    EXPECT_EQ(QStringLiteral("0,00 €"), saldo.text());

    for (const auto &[name, balance] :
         {std::pair{"a.p11", 10000000}, std::pair{"b.p11", -2505000}, std::pair{"c.p11", 123400}})
        window->openAccountFileByPath(
            writeAccount(QString::fromLatin1(name), {penvaro::testing::StartValue(balance)}));
    overview().refill();
    EXPECT_EQ(QStringLiteral("761,84 €"), saldo.text());
    EXPECT_EQ((QStringList{QStringLiteral("1.000,00 €"), QStringLiteral("-250,50 €"),
                           QStringLiteral("12,34 €")}),
              overviewColumn(2));
}

TEST_F(AccountFiles, ADeletedEntryComesBackAtTheEndWhenItsFileIsOpened) {
    const auto a = writeAccount(QStringLiteral("a.p11"), {penvaro::testing::StartValue(1)});
    const auto b = writeAccount(QStringLiteral("b.p11"), {penvaro::testing::StartValue(2)});
    const auto c = writeAccount(QStringLiteral("c.p11"), {penvaro::testing::StartValue(3)});
    for (const auto &file : {a, b, c})
        window->openAccountFileByPath(file);
    overview().refill();
    penvaro::testing::TableCells(*overview().findChild<QTableView *>(QStringLiteral("SG1")))
        .setCurrentCell(0, 2);
    ui.setNextAnswer(platform::Answer::Yes);
    overview().deleteCurrentRow();
    EXPECT_EQ((QStringList{QString::fromStdString(a.string()), QString::fromStdString(c.string())}),
              overviewColumn(3));
    EXPECT_TRUE(std::filesystem::exists(b));

    window->openAccountFileByPath(b);
    overview().refill();
    EXPECT_EQ((QStringList{QString::fromStdString(a.string()), QString::fromStdString(c.string()),
                           QString::fromStdString(b.string())}),
              overviewColumn(3));
}

TEST_F(AccountFiles, AMissingFileFromTheOverviewChangesNothing) {
    const auto giro = writeAccount(QStringLiteral("giro.p11"), {penvaro::testing::StartValue(100)});
    const auto gone = writeAccount(QStringLiteral("weg.p11"), {penvaro::testing::StartValue(5)});
    window->openAccountFileByPath(gone);
    window->openAccountFileByPath(giro);
    std::filesystem::remove(gone);
    ui.clear();

    overview().refill();
    penvaro::testing::TableCells(*overview().findChild<QTableView *>(QStringLiteral("SG1")))
        .setCurrentCell(0, 1);
    overview().openCurrentRow();
    const auto shown = messages();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ(ScriptedUiService::Kind::Failure, shown[0].kind);
    EXPECT_TRUE(shown[0].text.contains(QStringLiteral("weg.p11")));
    EXPECT_EQ(giro.string(), state->settings().accountFile);
    EXPECT_EQ(1, state->table().count());
    EXPECT_EQ(2u, registerEntries().size());
}

TEST_F(AccountFiles, AFullRegisterRefusesTheNextFileClearly) {
    core::AccountRegister full;
    for (int i = 0; i < 1000; ++i) {
        core::RegisterEntry entry;
        entry.Dateiname.setUtf8("/k/konto" + std::to_string(i) + ".p11");
        full.entries.push_back(entry);
    }
    ASSERT_TRUE(core::SaveAccountRegister(full, state->registerPath()));
    window->openAccountFileByPath(
        writeAccount(QStringLiteral("neu.p11"), {penvaro::testing::StartValue(1)}));

    const auto shown = messages();
    ASSERT_EQ(1u, shown.size());
    EXPECT_TRUE(shown[0].text.contains(QStringLiteral("voll")));
    EXPECT_TRUE(window->ledgerVisible()) << "the file itself is open";
    EXPECT_EQ(1000u, registerEntries().size());
}

TEST_F(AccountFiles, AFileNamedAtStartIsOpenedInsteadOfTheLastOne) {
    const auto last = writeAccount(QStringLiteral("last.p11"), {penvaro::testing::StartValue(1)});
    const auto named = writeAccount(QStringLiteral("named.p11"), {penvaro::testing::StartValue(2)});
    setLastFile(last);
    MainWindow started(*state);
    started.setStartFile(named);
    started.startUp();
    EXPECT_TRUE(started.ledgerVisible());
    EXPECT_EQ(named.string(), state->settings().accountFile);
    EXPECT_EQ(2, state->table().slot(1).Betrag);
}
