#include "appfixture.h"
#include "support/records.h"
#include "widgetlookup.h"

#include "app/mainwindow.h"
#include "core/accountregister.h"
#include "options/accountfilecopy.h"
#include "options/backupdialog.h"
#include "platform/regfile.h"
#include "platform/settingsstore.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace penvaro::options {
namespace {

using testing::Child;
using testing::OnNextModal;
using Shown = testing::ScriptedUiService::Shown;
using Kind = testing::ScriptedUiService::Kind;

const QString mergeQuestion = QStringLiteral(
    "Beim Zurücklesen der Daten werden Ihre aktuellen Daten überschrieben. Wenn Sie starten "
    "möchten, beantworten Sie bitte die folgenden Dialoge mit \"JA\"?");

QByteArray Contents(const QString &path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void Click(const QWidget &window, const char *name) {
    QTest::mouseClick(Child<QAbstractButton>(window, name), Qt::LeftButton);
}

// Three account files in the register: two of the same name in different folders.
class BackupTest : public testing::AppFixture {
protected:
    BackupTest() {
        QDir(dir.path()).mkpath(QStringLiteral("alt"));
        for (const QString &name : {QStringLiteral("giro.p11"), QStringLiteral("kasse.p11"),
                                    QStringLiteral("alt/giro.p11")}) {
            const auto path =
                writeAccount(name, {testing::StartValue(name.startsWith(u'a') ? 100 : 200)});
            files << QString::fromStdString(path.string());
            EXPECT_TRUE(core::RecordInRegister(state->registerPath(), path.string(), "", "", 0));
        }
        state->settings().accountFile = files[0].toStdString();
        state->settingsStore().save();
    }

    QString target(const QString &name) const { return dir.filePath(name); }

    int run(std::function<void(BackupDialog &)> user) {
        OnNextModal<BackupDialog>(ui, std::move(user));
        return dialog.showModal();
    }

    // Ticks the entries and presses "OK" with the folder chosen through the browser.
    void copyInto(const QString &folder, const std::vector<int> &ticked) {
        ui.setNextFileName(folder);
        run([&](BackupDialog &d) {
            auto *list = Child<QListWidget>(d, "CLBDateien");
            for (int row : ticked)
                list->item(row)->setCheckState(Qt::Checked);
            Click(d, "SpeedButton1");
            Click(d, "Button1");
        });
    }

    std::optional<platform::RegistryValue> stored(const QString &key, const QString &name) {
        auto value = store->value(key, name);
        return value ? *value : std::nullopt;
    }

    QString fileKey() const { return platform::FileSettingsKey(*store, files[0]); }

    // A backup of the settings as they are now, written as the export writes it.
    QString backup(const QString &name) {
        const QString path = target(name);
        EXPECT_TRUE(platform::ExportRegistryFile(*store, platform::ProductKey(), path));
        return path;
    }

    QStringList files;
    BackupDialog dialog{*state};
};

TEST_F(BackupTest, ListsTheRegisterUntickedAndShowsTheEntryLastClicked) {
    run([this](BackupDialog &d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Daten sichern"));
        auto *list = Child<QListWidget>(d, "CLBDateien");
        QStringList shown;
        for (int row = 0; row < list->count(); ++row) {
            shown << list->item(row)->text();
            EXPECT_EQ(list->item(row)->checkState(), Qt::Unchecked);
        }
        EXPECT_EQ(shown, files);
        EXPECT_FALSE(Child<QLineEdit>(d, "Edit1")->isReadOnly()) << "the folder takes typing";
        EXPECT_EQ(Child<QLineEdit>(d, "Edit1")->text(), DefaultBackupFolder());

        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(1)).center());
        EXPECT_EQ(Child<QLabel>(d, "Label2")->text(), files[1]);
        list->item(1)->setCheckState(Qt::Checked);
    });
    run([](BackupDialog &d) {
        EXPECT_EQ(Child<QListWidget>(d, "CLBDateien")->item(1)->checkState(), Qt::Unchecked)
            << "ticks are not kept";
    });
}

TEST_F(BackupTest, CopiesTheTickedFilesIntoTheFolderWithoutASeparatorAtItsEnd) {
    QDir(dir.path()).mkpath(QStringLiteral("Sicherung"));
    copyInto(target(QStringLiteral("Sicherung")), {1});

    EXPECT_EQ(messages(),
              (std::vector<Shown>{
                  {Kind::Information, QStringLiteral("Gesichert in %1:\n%2")
                                          .arg(target(QStringLiteral("Sicherung/")), files[1])}}));
    EXPECT_EQ(Contents(target(QStringLiteral("Sicherung/kasse.p11"))), Contents(files[1]));
    EXPECT_FALSE(QFile::exists(target(QStringLiteral("Sicherung/giro.p11"))));
    run([this](BackupDialog &d) {
        EXPECT_EQ(testing::TextOf(d, "Edit1"), target(QStringLiteral("Sicherung/")))
            << "the folder is kept, with its separator";
    });
}

TEST_F(BackupTest, AFileOfTheSameNameIsNeverReplacedAndTheUserIsTold) {
    QDir(dir.path()).mkpath(QStringLiteral("Sicherung mit Leerzeichen"));
    const QString folder = target(QStringLiteral("Sicherung mit Leerzeichen"));
    copyInto(folder, {0, 2});
    const QByteArray first = Contents(folder + QStringLiteral("/giro.p11"));
    EXPECT_EQ(first, Contents(files[0])) << "the first of the two ticked";
    EXPECT_EQ(messages(),
              (std::vector<Shown>{
                  {Kind::Information,
                   QStringLiteral("Gesichert in %1/:\n%2\n\nNicht gesichert wurden:\n%3: Im "
                                  "Verzeichnis gibt es schon eine Datei dieses Namens; sie "
                                  "bleibt, wie sie ist.")
                       .arg(folder, files[0], files[2])}}));

    // A second backup into the same folder leaves the first copies as they were.
    writeAccount(QStringLiteral("giro.p11"), {testing::StartValue(999)});
    ui.clear();
    copyInto(folder, {0});
    EXPECT_EQ(Contents(folder + QStringLiteral("/giro.p11")), first);
    EXPECT_EQ(messages().size(), 1u);
}

TEST_F(BackupTest, ACopyThatFailsIsReportedAndTheDialogStaysForAnotherFolder) {
    ui.setNextFileName(files[0] + QStringLiteral("/Sicherung"));
    run([&](BackupDialog &d) {
        Child<QListWidget>(d, "CLBDateien")->item(1)->setCheckState(Qt::Checked);
        Click(d, "SpeedButton1");
        Click(d, "Button1");
        EXPECT_TRUE(d.isVisible());
    });
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("Nicht gesichert wurden:\n%1: Das Verzeichnis "
                                                 "lässt sich nicht anlegen.")
                                      .arg(files[1]));
}

TEST_F(BackupTest, TheFirstBackupGoesIntoAFolderOfTheDocumentsAndTheNextOneWhereTheLastWent) {
    const QString savedTransfers = files[0].chopped(3) + QStringLiteral("pv");
    QFile templates(savedTransfers);
    ASSERT_TRUE(templates.open(QIODevice::WriteOnly));
    templates.write("Vorlagen");
    templates.close();
    ASSERT_FALSE(QDir(DefaultBackupFolder()).exists());
    run([](BackupDialog &d) {
        Child<QListWidget>(d, "CLBDateien")->item(0)->setCheckState(Qt::Checked);
        Click(d, "Button1");
        EXPECT_FALSE(d.isVisible());
    });
    const QString first = FolderWithSeparator(DefaultBackupFolder());
    EXPECT_EQ(Contents(first + QStringLiteral("giro.p11")), Contents(files[0]));
    EXPECT_EQ(Contents(first + QStringLiteral("giro.pv")), QByteArray("Vorlagen"))
        << "the saved transfers go along";
    EXPECT_EQ(messages(),
              (std::vector<Shown>{{Kind::Information, QStringLiteral("Gesichert in %1:\n%2\n%3")
                                                          .arg(first, files[0], savedTransfers)}}));

    // Typed, not chosen: the next opening, also of a new dialog, suggests that folder.
    const QString typed = target(QStringLiteral("USB-Stick"));
    run([&](BackupDialog &d) {
        auto *folder = Child<QLineEdit>(d, "Edit1");
        folder->selectAll();
        QTest::keyClicks(folder, typed);
        Child<QListWidget>(d, "CLBDateien")->item(1)->setCheckState(Qt::Checked);
        Click(d, "Button1");
    });
    EXPECT_TRUE(QFile::exists(typed + QStringLiteral("/kasse.p11")));
    BackupDialog again(*state);
    OnNextModal<BackupDialog>(ui, [&](BackupDialog &d) {
        EXPECT_EQ(Child<QLineEdit>(d, "Edit1")->text(), FolderWithSeparator(typed));
    });
    again.showModal();
}

TEST_F(BackupTest, ExportWritesEverySettingAsShownIntoTheChosenFile) {
    QDir(dir.path()).mkpath(QStringLiteral("Meine Sicherungen"));
    const QString chosen = target(QStringLiteral("Meine Sicherungen/penvaro"));
    state->settings().nationalCurrency = "ATS"; // in memory only, as after a column was resized
    ui.setNextFileName(chosen);
    run([](BackupDialog &d) { Click(d, "Button38"); });

    const auto keys = platform::ParseRegistryFile(Contents(chosen + QStringLiteral(".reg")));
    ASSERT_TRUE(keys);
    EXPECT_EQ(*keys, *store->readTree(platform::ProductKey()));
    EXPECT_EQ(stored(fileKey(), QStringLiteral("Waehrung")),
              platform::RegistryValue(QStringLiteral("ATS")));
    EXPECT_EQ(messages(), std::vector<Shown>{});

    // An existing file is replaced only when the user says so.
    state->settings().nationalCurrency = "EUR";
    ui.setNextFileName(chosen + QStringLiteral(".reg"));
    run([](BackupDialog &d) { Click(d, "Button38"); });
    EXPECT_EQ(messages().back().kind, Kind::Question);
    EXPECT_EQ(*platform::ParseRegistryFile(Contents(chosen + QStringLiteral(".reg"))), *keys);
}

TEST_F(BackupTest, NoToTheMergeQuestionChangesNothing) {
    state->settings().startScreenSeconds = 7;
    state->settingsStore().save();
    const QString file = backup(QStringLiteral("sicherung.reg"));
    state->settings().startScreenSeconds = 1;
    state->settingsStore().save();

    ui.setNextFileName(file);
    ui.setNextAnswer(platform::Answer::No);
    run([](BackupDialog &d) { Click(d, "Button41"); });

    EXPECT_EQ(messages(), (std::vector<Shown>{{Kind::Question, mergeQuestion}}));
    EXPECT_EQ(stored(platform::ProductKey(), QStringLiteral("StartB")), platform::RegistryValue(1));
    EXPECT_EQ(state->settings().startScreenSeconds, 1);
}

TEST_F(BackupTest, AFileThatIsNoBackupOfThisProgramIsRefusedAndMergesNothing) {
    const QByteArray header = "Windows Registry Editor Version 5.00\r\n\r\n";
    struct Case {
        const char *what;
        QByteArray text;
        QString reason;
    };
    const Case cases[] = {
        {"an account file", Contents(files[1]), QStringLiteral("Zeile 1:")},
        {"another program's settings",
         header
             + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarvel SoftLabs\\Penvaro98]\r\n"
               "\"StartB\"=dword:00000009\r\n"
               "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Andere]\r\n",
         QStringLiteral("liegt nicht unter")},
    };
    const QString file = target(QStringLiteral("fremd.reg"));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(c.text);
        out.close();
        ui.clear();
        ui.setNextFileName(file);
        ui.setNextAnswer(platform::Answer::Yes);
        run([](BackupDialog &d) { Click(d, "Button41"); });

        ASSERT_EQ(messages().size(), 2u);
        EXPECT_EQ(messages()[1].kind, Kind::Failure);
        EXPECT_TRUE(messages()[1].text.contains(c.reason)) << messages()[1].text.toStdString();
        EXPECT_EQ(stored(platform::ProductKey(), QStringLiteral("StartB")),
                  platform::RegistryValue(3));
        EXPECT_FALSE(*store->keyExists(QStringLiteral("SOFTWARE\\Andere")));
    }
}

// The program as the user runs it: a backup is made, settings change, the backup is merged
// and the program closed; the next start finds the merged values.
class MergeInMainWindowTest : public BackupTest {};

TEST_F(MergeInMainWindowTest, MergedSettingsAreReadAtOnceAndSurviveClosingTheProgram) {
    setLastFile(files[0].toStdString());
    setFileValue(files[0].toStdString(), QStringLiteral("Waehrung"), QStringLiteral("ATS"));
    setFileValue(files[0].toStdString(), QStringLiteral("natBetrag"), std::int32_t{1});
    setValue(platform::ProductKey(), QStringLiteral("KorrH"), std::int32_t{12});
    // The backup names another file as the last one and another program folder.
    setValue(platform::ProductKey(), QStringLiteral("Datei"), files[1]);
    setValue(platform::ProductKey(), QStringLiteral("Pfad"), QStringLiteral("C:\\"));
    const QString file = backup(QStringLiteral("sicherung.reg"));
    setFileValue(files[0].toStdString(), QStringLiteral("Waehrung"), QStringLiteral("DM"));
    setValue(platform::ProductKey(), QStringLiteral("KorrH"), std::int32_t{0});

    auto window = std::make_unique<app::MainWindow>(*state);
    window->setStartFile(files[0].toStdString());
    window->startUp();
    ASSERT_EQ(state->settings().nationalCurrency, "DM");
    ui.clear();
    ui.setNextFileName(file);
    ui.setNextAnswer(platform::Answer::Yes);
    OnNextModal<BackupDialog>(ui, [](BackupDialog &d) { Click(d, "Button41"); });
    window->findChild<QAction *>(QStringLiteral("Datensichern1"))->trigger();

    EXPECT_EQ(messages(),
              (std::vector<Shown>{
                  {Kind::Question, mergeQuestion},
                  {Kind::Information,
                   QStringLiteral("Die Einstellungen aus „%1“ wurden eingelesen.").arg(file)}}));
    EXPECT_EQ(state->settings().nationalCurrency, "ATS");
    EXPECT_EQ(state->settings().printOffsetX, 12);
    EXPECT_EQ(state->currentFile(), files[0]) << "the open file stays open";
    EXPECT_NE(state->settings().programFolder, "C:\\")
        << "the program folder is the running program's";
    EXPECT_EQ(window->findChild<QCheckBox *>(QStringLiteral("RBnatBetrag"))->text(),
              QStringLiteral("ATS"));

    window->close();
    window.reset();
    state->settings() = {};
    state->settingsStore().load();
    EXPECT_EQ(state->settings().nationalCurrency, "ATS");
    EXPECT_EQ(state->settings().printOffsetX, 12);
    EXPECT_EQ(state->currentFile(), files[0]);
}

} // namespace
} // namespace penvaro::options
