#include "platform/programfolder.h"
#include "platform/settingsstore.h"
#include "scripteduiservice.h"
#include "storefixture.h"

#include <cmath>
#include <limits>

namespace penvaro::platform {
namespace {

using testing::ScriptedUiService;

const QString File = QStringLiteral("/daten/giro.p11");

class SettingsStoreTest : public StoreTest {
protected:
    void storeValue(const QString &key, const QString &name, const RegistryValue &value) {
        ASSERT_TRUE(store->createKey(key));
        ASSERT_TRUE(store->setValue(key, name, value));
    }

    std::optional<RegistryValue> stored(const QString &key, const QString &name) const {
        auto value = store->value(key, name);
        return value ? *value : std::nullopt;
    }

    ScriptedUiService ui;
    SettingsStore settings{*store, ui};
};

TEST_F(SettingsStoreTest, AFirstStartHasTheDefaultsAndTheFirstSaveWritesThemAll) {
    settings.load();
    core::Settings defaults;
    defaults.programFolder = ProgramFolder().toStdString();
    EXPECT_EQ(settings.settings(), defaults);

    settings.settings().accountFile = File.toStdString();
    settings.save();

    EXPECT_EQ(store->valueNames(ProductKey())->size(), 15);
    EXPECT_EQ(store->valueNames(FileSettingsKey(*store, File))->size(), 40);
    EXPECT_TRUE(ui.shown().empty());
}

TEST_F(SettingsStoreTest, WhatIsSavedLoadsAgainUnchanged) {
    core::Settings changed;
    changed.accountFile = File.toStdString();
    changed.completedRowHeight = 22;
    changed.printOffsetX = -15;
    changed.showPlannedSum = false;
    changed.tableFontName = "DejaVu Sans";
    changed.passwordRequired = true;
    changed.storedPassword = "$argon2id$v=19$m=65536,t=2,p=1$c2FsdA$aGFzaA";
    changed.chequePlace = "Köln";
    changed.nextCheckDay = 40550.0;
    changed.keepStatementData = false;
    changed.keepBookingDate = true;
    changed.completedOrder = "wd";
    changed.plannedAscending = false;
    changed.nationalPerEuro = 13.7603;
    changed.nationalCurrency = "ATS";
    changed.balancesInNational = true;
    changed.signWidth = 30;
    changed.plannedSignWidth = 31;
    changed.accountHolder = "Jörg Müller";
    changed.prefersForm20 = false;
    // Not stored: it is the program's own folder at every start.
    changed.programFolder = ProgramFolder().toStdString();
    settings.settings() = changed;
    settings.save();

    SettingsStore reloaded(*store, ui);
    reloaded.settings().accountFile = File.toStdString();
    reloaded.load();
    EXPECT_EQ(reloaded.settings(), changed);
}

TEST_F(SettingsStoreTest, StoredValuesLoadByTheirTypeOrGiveTheirDefaults) {
    const QString product = ProductKey();
    const QString file = FileSettingsKey(*store, File);
    const auto text = [](const char *t) { return RegistryValue{QString::fromUtf8(t)}; };
    const auto number = [](std::int32_t n) { return RegistryValue{n}; };
    using S = core::Settings;
    struct Case {
        const char *what;
        QString key;
        QString name;
        RegistryValue value;
        std::function<bool(const S &)> holds;
    };
    const Case cases[] = {
        {"integer stored as text", product, QStringLiteral("Breite"), text("900"),
         [](const S &s) { return s.windowWidth == 750; }},
        {"integer stored as binary", product, QStringLiteral("StartB"), QByteArray(4, '\1'),
         [](const S &s) { return s.startScreenSeconds == 3; }},
        {"negative integer", product, QStringLiteral("KorrV"), number(-12),
         [](const S &s) { return s.printOffsetY == -12; }},
        {"boolean stored as text", file, QStringLiteral("Sort1"), text("0"),
         [](const S &s) { return s.completedAscending; }},
        {"boolean from any non-zero number", product, QStringLiteral("Autospeichern"), number(7),
         [](const S &s) { return s.passwordRequired; }},
        {"boolean zero", file, QStringLiteral("TabGepan"), number(0),
         [](const S &s) { return !s.showPlannedTable; }},
        {"float of 4 bytes", file, QStringLiteral("Zinsen"), QByteArray(4, '\0'),
         [](const S &s) { return s.creditInterestRate == 2.0; }},
        {"float stored as text", file, QStringLiteral("Eurokurs"), text("13.7603"),
         [](const S &s) { return s.nationalPerEuro == 1.95583; }},
        {"float that is no number", file, QStringLiteral("Sollzinsen"),
         BinaryFromDouble(std::numeric_limits<double>::quiet_NaN()),
         [](const S &s) { return s.debitInterestRate == 9.0; }},
        {"infinite date", file, QStringLiteral("LM"),
         BinaryFromDouble(std::numeric_limits<double>::infinity()),
         [](const S &s) { return s.nextCheckDay == 0.0; }},
        {"program folder stored as number", product, QStringLiteral("Pfad"), number(1),
         [](const S &s) { return s.programFolder == ProgramFolder().toStdString(); }},
        {"text stored as number", product, QStringLiteral("WindowState"), number(1),
         [](const S &s) { return s.windowState.empty(); }},
        {"empty font name", product, QStringLiteral("FontName"), text(""),
         [](const S &s) { return s.tableFontName == "Arial"; }},
        {"font name stored as number", product, QStringLiteral("FontName"), number(3),
         [](const S &s) { return s.tableFontName == "Arial"; }},
        {"empty currency", file, QStringLiteral("Waehrung"), text(""),
         [](const S &s) { return s.nationalCurrency == "DM"; }},
        {"empty sort order stays empty", file, QStringLiteral("SortBy"), text(""),
         [](const S &s) {
             return s.completedOrder.empty()
                    && core::SortOrderFromSettings(s).done == core::DoneOrder::Normal;
         }},
        {"name in another case", file, QStringLiteral("WSOLLHABEN"), number(44),
         [](const S &s) { return s.signWidth == 44; }},
        {"form 24 chosen", file, QStringLiteral("20"), number(0),
         [](const S &s) { return !s.prefersForm20; }},
        {"text with umlauts", file, QStringLiteral("Institut"), text("Sparkasse Köln"),
         [](const S &s) { return s.bankName == "Sparkasse Köln"; }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(store->deleteKey(QStringLiteral("SOFTWARE")));
        storeValue(product, QStringLiteral("Datei"), File);
        storeValue(c.key, c.name, c.value);
        SettingsStore loaded(*store, ui);

        loaded.load();

        EXPECT_TRUE(c.holds(loaded.settings()));
    }
    EXPECT_TRUE(ui.shown().empty());
}

TEST_F(SettingsStoreTest, AFileNameEndingInEightIsNotReopened) {
    for (const auto &[stored, loaded] :
         {std::pair{"C:\\alt\\konto.p98", ""}, std::pair{"/alt/konto.p98", ""},
          std::pair{"/daten/konto.p11", "/daten/konto.p11"}}) {
        SCOPED_TRACE(stored);
        storeValue(ProductKey(), QStringLiteral("Datei"), QString::fromUtf8(stored));
        settings.load();
        EXPECT_EQ(settings.settings().accountFile, loaded);
    }
}

TEST_F(SettingsStoreTest, WithoutStatementDataTheBookingsSortByValueDate) {
    storeValue(ProductKey(), QStringLiteral("Datei"), File);
    storeValue(FileSettingsKey(*store, File), QStringLiteral("auszugsdatan"), std::int32_t{0});
    storeValue(FileSettingsKey(*store, File), QStringLiteral("SortBy"), QStringLiteral("ad"));
    storeValue(FileSettingsKey(*store, File), QStringLiteral("Sort1"), std::int32_t{0});

    settings.load();

    EXPECT_FALSE(settings.settings().keepStatementData);
    EXPECT_EQ(settings.settings().completedOrder, "wd");
    const core::SortOrder order = core::SortOrderFromSettings(settings.settings());
    EXPECT_EQ(order.done, core::DoneOrder::ValueDate);
    EXPECT_FALSE(order.doneAscending);
    EXPECT_TRUE(order.plannedAscending);
}

TEST_F(SettingsStoreTest, SavingLeavesAloneWhatOthersWrite) {
    const QString file = FileSettingsKey(*store, File);
    const std::vector<std::tuple<QString, QString, RegistryValue>> foreign{
        {ProductKey(), QStringLiteral("Pfad"), QStringLiteral("/opt/penvaro/")},
        {ProductKey(), QStringLiteral("WindowState"), QStringLiteral("wsMaximized")},
        {ProductKey(), QStringLiteral("Breite"), std::int32_t{1000}},
        {ProductKey(), QStringLiteral("Hoehe"), std::int32_t{800}},
        {file, QStringLiteral("Titel1"), QStringLiteral("Meine Buchungen")},
        {file, QStringLiteral("Titel2"), QStringLiteral("Meine Planung")},
        {file, QStringLiteral("20117"), BinaryFromDouble(40550.0)},
    };
    for (const auto &[key, name, value] : foreign)
        storeValue(key, name, value);
    settings.settings().accountFile = File.toStdString();
    settings.settings().programFolder = "/anders/";
    settings.settings().windowState = "wsNormal";
    settings.settings().windowWidth = 10;
    settings.settings().windowHeight = 10;

    settings.save();

    for (const auto &[key, name, value] : foreign)
        EXPECT_EQ(stored(key, name), value) << name.toStdString();
}

TEST_F(SettingsStoreTest, ANewFileStartsWithTheSettingsOfTheFileBefore) {
    const QString newFile = QStringLiteral("/daten/kasse.p11");
    storeValue(ProductKey(), QStringLiteral("Datei"), File);
    storeValue(FileSettingsKey(*store, File), QStringLiteral("Eurokurs"),
               BinaryFromDouble(13.7603));
    settings.load();

    settings.settings().accountFile = newFile.toStdString();
    settings.save();
    settings.load();

    EXPECT_EQ(settings.settings().nationalPerEuro, 13.7603);
    EXPECT_EQ(stored(FileSettingsKey(*store, newFile), QStringLiteral("Eurokurs")),
              BinaryFromDouble(13.7603));
    EXPECT_EQ(stored(ProductKey(), QStringLiteral("Datei")), RegistryValue{newFile});
}

TEST_F(SettingsStoreTest, SaveLastFileNameWritesOnlyTheFileName) {
    settings.settings().accountFile = File.toStdString();
    settings.saveLastFileName();
    EXPECT_EQ(*store->valueNames(ProductKey()), QStringList{QStringLiteral("Datei")});
    EXPECT_EQ(stored(ProductKey(), QStringLiteral("Datei")), RegistryValue{File});
    EXPECT_FALSE(*store->keyExists(FileSettingsKey(*store, File)));
}

TEST_F(SettingsStoreTest, WithoutACurrentFileNoFileKeyIsWritten) {
    settings.save();
    EXPECT_TRUE(store->subkeyNames(ProductKey())->isEmpty());
}

TEST_F(SettingsStoreTest, AFileKeyThatCannotBeOpenedIsIgnored) {
    // A path with a name longer than a key name may be: the file's settings stay in memory.
    const QString longFile =
        QStringLiteral("/daten/") + QString(300, u'x') + QStringLiteral(".p11");
    settings.settings().accountFile = longFile.toStdString();
    settings.settings().nationalPerEuro = 13.7603;
    settings.save();
    settings.load();
    EXPECT_EQ(settings.settings().nationalPerEuro, 13.7603);
    EXPECT_EQ(settings.settings().accountFile, longFile.toStdString());
    EXPECT_TRUE(ui.shown().empty());
}

TEST_F(SettingsStoreTest, AStoreThatCannotBeUsedIsLeftAloneWithoutAMessageForEachOperation) {
    const QString blocker = m_dir.filePath(QStringLiteral("datei"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    auto broken = RegistryStore::Open(blocker + QStringLiteral("/x.sqlite")).store;
    SettingsStore unusable(*broken, ui);
    unusable.settings().accountFile = File.toStdString();
    unusable.settings().nationalPerEuro = 13.7603;

    unusable.load();
    unusable.save();
    unusable.saveLastFileName();

    // The reason was shown once when the store was opened.
    EXPECT_EQ(ui.shown(), std::vector<ScriptedUiService::Shown>{});
    EXPECT_EQ(unusable.settings().nationalPerEuro, 13.7603);
}

TEST_F(SettingsStoreTest, EveryPathLinuxAllowsKeepsSettingsOfItsOwn) {
    const QString longName = QStringLiteral("/daten/") + QString(300, u'x');
    const QString paths[] = {longName + QStringLiteral(".p11"), longName + QStringLiteral("y.p11"),
                             QStringLiteral("/daten/a\\\\b.p11"),
                             QStringLiteral("/daten/a\\\\c.p11"), QStringLiteral("/daten/a\\b.p11"),
                             // Key names compare regardless of case, paths do not.
                             QStringLiteral("/daten/Giro.p11"), QStringLiteral("/daten/giro.p11"),
                             QStringLiteral("/daten/GIRO.p11"), QStringLiteral("/daten/Ärger.p11"),
                             QStringLiteral("/daten/ärger.p11")};
    double day = 40000.0;
    for (const QString &path : paths) {
        settings.settings().accountFile = path.toStdString();
        settings.settings().nextCheckDay = ++day;
        settings.save();
    }
    EXPECT_TRUE(ui.shown().empty());
    day = 40000.0;
    for (const QString &path : paths) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_EQ(++day, ReadAccountFileSettings(*store, path).nextCheckDay);
    }
}

TEST_F(SettingsStoreTest, AFileKeepsItsKeyWhateverHappensToTheKeyOfAnotherSpelling) {
    const QString upper = QStringLiteral("/daten/Giro.p11");
    const QString lower = QStringLiteral("/daten/giro.p11");
    // Settings written before spellings were told apart stay where they are.
    storeValue(ProductKey() + u'\\' + upper, QStringLiteral("Eurokurs"), BinaryFromDouble(1.5));
    EXPECT_EQ(ReadAccountFileSettings(*store, upper).nationalPerEuro, 1.5);

    const QString lowerKey = FileSettingsKey(*store, lower);
    storeValue(lowerKey, QStringLiteral("Eurokurs"), BinaryFromDouble(2.5));
    EXPECT_EQ(ReadAccountFileSettings(*store, upper).nationalPerEuro, 1.5);
    EXPECT_EQ(ReadAccountFileSettings(*store, lower).nationalPerEuro, 2.5);

    // Once the other spelling's key is gone, the file still finds its own.
    ASSERT_TRUE(store->deleteKey(ProductKey() + u'\\' + upper));
    EXPECT_EQ(FileSettingsKey(*store, lower), lowerKey);
    EXPECT_EQ(ReadAccountFileSettings(*store, lower).nationalPerEuro, 2.5);
}

} // namespace
} // namespace penvaro::platform
