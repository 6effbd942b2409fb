#include "storefixture.h"

#include <QString>

#include <thread>

namespace penvaro::platform {
namespace {

RegistryValue Stored(const RegistryStore &store, const QString &key, const QString &name) {
    auto value = store.value(key, name);
    EXPECT_TRUE(value) << (value ? "" : value.error().message);
    EXPECT_TRUE(value && value->has_value()) << name.toStdString();
    return value && value->has_value() ? **value : RegistryValue{};
}

using RegistryStoreTest = StoreTest;

TEST_F(RegistryStoreTest, NamesCompareByCaseFoldingAndKeepTheirFirstSpelling) {
    ASSERT_TRUE(store->createKey(QStringLiteral("SOFTWARE\\Ärger\\Prog")));
    ASSERT_TRUE(store->createKey(QStringLiteral("software\\ärger\\PROG\\Unter")));
    EXPECT_EQ(*store->subkeyNames(QStringLiteral("SOFTWARE")),
              QStringList{QStringLiteral("Ärger")});
    EXPECT_EQ(*store->subkeyNames(QStringLiteral("SOFTWARE\\ÄRGER")),
              QStringList{QStringLiteral("Prog")});

    const QString key = QStringLiteral("Software\\Ärger\\Prog");
    ASSERT_TRUE(store->setValue(key, QStringLiteral("AuszugsdatAn"), std::int32_t{1}));
    ASSERT_TRUE(store->setValue(key, QStringLiteral("AUSZUGSDATAN"), std::int32_t{0}));
    EXPECT_EQ(Stored(*store, key, QStringLiteral("auszugsdatAN")), RegistryValue{std::int32_t{0}});
    EXPECT_EQ(*store->valueNames(key), QStringList{QStringLiteral("AuszugsdatAn")});
}

TEST_F(RegistryStoreTest, KeysNestAndOpenWithOrWithoutCreating) {
    EXPECT_FALSE(*store->keyExists(QStringLiteral("A")));
    ASSERT_TRUE(store->createKey(QStringLiteral("A\\B\\C")));
    EXPECT_TRUE(*store->keyExists(QStringLiteral("A\\B")));
    EXPECT_TRUE(*store->keyExists(QStringLiteral("A\\B\\C")));
    EXPECT_FALSE(*store->keyExists(QStringLiteral("A\\C")));
    ASSERT_TRUE(store->createKey(QStringLiteral("A\\Aa")));
    EXPECT_EQ(*store->subkeyNames(QStringLiteral("A")),
              (QStringList{QStringLiteral("Aa"), QStringLiteral("B")}));
    // A key that does not exist cannot be read from or written to.
    EXPECT_FALSE(store->value(QStringLiteral("A\\X"), QStringLiteral("v")));
    EXPECT_FALSE(store->setValue(QStringLiteral("A\\X"), QStringLiteral("v"), QString()));
    EXPECT_FALSE(*store->value(QStringLiteral("A"), QStringLiteral("v")));
}

TEST_F(RegistryStoreTest, ValuesKeepTheirTypeAndMayChangeIt) {
    const QString key = QStringLiteral("Typen");
    ASSERT_TRUE(store->createKey(key));
    const std::vector<NamedValue> values{
        {QStringLiteral("Text"), QStringLiteral("Größe „x“ \\ \"y\"")},
        {QStringLiteral("Leer"), QString()},
        {QStringLiteral("Zahl"), std::int32_t{-5}},
        {QStringLiteral("Bytes"), QByteArray("\x00\xff\x10", 3)},
        {QStringLiteral("KeineBytes"), QByteArray()},
        {QStringLiteral("Kurs"), BinaryFromDouble(13.7603)},
        {QStringLiteral("Pfad\\mit\\Strichen"), QStringLiteral("v")},
    };
    ASSERT_TRUE(store->setValues(key, values));
    for (const NamedValue &value : values)
        EXPECT_EQ(Stored(*store, key, value.name), value.value) << value.name.toStdString();
    EXPECT_EQ(DoubleFromBinary(Stored(*store, key, QStringLiteral("Kurs"))), 13.7603);

    ASSERT_TRUE(store->setValue(key, QStringLiteral("Zahl"), QStringLiteral("jetzt Text")));
    EXPECT_EQ(Stored(*store, key, QStringLiteral("Zahl")),
              RegistryValue{QStringLiteral("jetzt Text")});
}

TEST_F(RegistryStoreTest, RefusesKeyNamesTheRegistryRefuses) {
    struct Case {
        const char *what;
        QString path;
        bool accepted;
    };
    const Case cases[] = {
        {"255 characters", QStringLiteral("A\\") + QString(255, u'x'), true},
        {"256 characters", QStringLiteral("A\\") + QString(256, u'x'), false},
        {"empty name inside", QStringLiteral("A\\\\B"), false},
        {"trailing backslash", QStringLiteral("A\\"), false},
        {"leading backslash", QStringLiteral("\\A"), false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(store->createKey(c.path).hasValue(), c.accepted);
        EXPECT_EQ(store->keyExists(c.path).hasValue(), c.accepted);
    }
    EXPECT_EQ(*store->subkeyNames(QStringLiteral("A")), QStringList{QString(255, u'x')});
}

TEST_F(RegistryStoreTest, DeletingAKeyTakesEverythingBelowIt) {
    ASSERT_TRUE(store->createKey(QStringLiteral("A\\B\\C")));
    ASSERT_TRUE(store->setValue(QStringLiteral("A\\B\\C"), QStringLiteral("v"), std::int32_t{1}));
    ASSERT_TRUE(store->setValue(QStringLiteral("A"), QStringLiteral("bleibt"), std::int32_t{2}));
    ASSERT_TRUE(store->deleteKey(QStringLiteral("a\\b")));
    EXPECT_FALSE(*store->keyExists(QStringLiteral("A\\B")));
    EXPECT_EQ(Stored(*store, QStringLiteral("A"), QStringLiteral("bleibt")),
              RegistryValue{std::int32_t{2}});
    // The same path created again starts empty: nothing was left behind.
    ASSERT_TRUE(store->createKey(QStringLiteral("A\\B\\C")));
    EXPECT_TRUE(store->valueNames(QStringLiteral("A\\B\\C"))->isEmpty());

    EXPECT_TRUE(store->deleteKey(QStringLiteral("A\\Nie")));
    EXPECT_FALSE(store->deleteKey(QString()));

    ASSERT_TRUE(store->deleteValue(QStringLiteral("A"), QStringLiteral("BLEIBT")));
    EXPECT_FALSE(*store->value(QStringLiteral("A"), QStringLiteral("bleibt")));
}

TEST_F(RegistryStoreTest, CopiesAKeyWithItsValuesAndSubkeys) {
    const QString from = QStringLiteral("P\\/alt/konto.p02");
    const QString to = QStringLiteral("P\\/alt/konto.p11");
    ASSERT_TRUE(store->createKey(from + QStringLiteral("\\Unter")));
    ASSERT_TRUE(store->setValue(from, QStringLiteral("Eurokurs"), BinaryFromDouble(13.7603)));
    ASSERT_TRUE(store->setValue(from + QStringLiteral("\\Unter"), QStringLiteral("x"),
                                QStringLiteral("y")));
    ASSERT_TRUE(store->createKey(to));
    ASSERT_TRUE(store->setValue(to, QStringLiteral("Eigen"), std::int32_t{7}));

    ASSERT_TRUE(store->copyKey(from, to));
    EXPECT_EQ(Stored(*store, to, QStringLiteral("Eurokurs")), BinaryFromDouble(13.7603));
    EXPECT_EQ(Stored(*store, to + QStringLiteral("\\Unter"), QStringLiteral("x")),
              RegistryValue{QStringLiteral("y")});
    EXPECT_EQ(Stored(*store, to, QStringLiteral("Eigen")), RegistryValue{std::int32_t{7}});
    EXPECT_TRUE(*store->keyExists(from + QStringLiteral("\\Unter")));

    EXPECT_FALSE(store->copyKey(from, from + QStringLiteral("\\Unter\\Kopie")));
    EXPECT_FALSE(store->copyKey(QStringLiteral("P\\Fehlt"), to));
}

TEST_F(RegistryStoreTest, ABatchOfValuesIsWrittenWholeOrNotAtAll) {
    ASSERT_TRUE(store->createKey(QStringLiteral("K")));
    const std::vector<NamedValue> values{
        {QStringLiteral("gut"), std::int32_t{1}},
        {QString(16384, u'n'), std::int32_t{2}},
    };
    EXPECT_FALSE(store->setValues(QStringLiteral("K"), values));
    EXPECT_TRUE(store->valueNames(QStringLiteral("K"))->isEmpty());
}

TEST_F(RegistryStoreTest, ABatchKeepsItsChangesTogetherAndUndoesAFailedOneAlone) {
    const std::vector<NamedValue> failing{
        {QStringLiteral("gut"), std::int32_t{1}},
        {QString(16384, u'n'), std::int32_t{2}},
    };
    ASSERT_TRUE(store->batch([&]() -> core::Result<void> {
        EXPECT_TRUE(store->createKey(QStringLiteral("K")));
        EXPECT_TRUE(store->setValue(QStringLiteral("K"), QStringLiteral("a"), std::int32_t{1}));
        EXPECT_FALSE(store->setValues(QStringLiteral("K"), failing));
        return {};
    }));
    EXPECT_EQ((QStringList{QStringLiteral("a")}), store->valueNames(QStringLiteral("K")).value());

    EXPECT_FALSE(store->batch([&]() -> core::Result<void> {
        EXPECT_TRUE(store->createKey(QStringLiteral("L")));
        return core::Error{core::ErrorKind::Io, "abgebrochen"};
    }));
    EXPECT_FALSE(*store->keyExists(QStringLiteral("L"))) << "a failed batch leaves nothing";
    EXPECT_TRUE(store->createKey(QStringLiteral("M"))) << "and the store works on";
}

TEST_F(RegistryStoreTest, KeepsWhatWasWrittenAcrossReopening) {
    ASSERT_TRUE(store->createKey(QStringLiteral("K")));
    ASSERT_TRUE(store->setValue(QStringLiteral("K"), QStringLiteral("v"), QStringLiteral("ä")));
    store.reset();
    store = openStore();
    EXPECT_EQ(Stored(*store, QStringLiteral("K"), QStringLiteral("V")),
              RegistryValue{QStringLiteral("ä")});
}

TEST_F(RegistryStoreTest, TwoProgramsWriteTheSameFileAndTheLastWriterWins) {
    auto other = openStore();
    ASSERT_TRUE(store->createKey(QStringLiteral("K")));
    ASSERT_TRUE(other->setValue(QStringLiteral("K"), QStringLiteral("v"), std::int32_t{1}));
    ASSERT_TRUE(store->setValue(QStringLiteral("K"), QStringLiteral("V"), std::int32_t{2}));
    EXPECT_EQ(Stored(*other, QStringLiteral("K"), QStringLiteral("v")),
              RegistryValue{std::int32_t{2}});

    // Writing at the same time: each waits for the other instead of failing.
    constexpr int Writes = 100;
    int failures[2] = {0, 0};
    const auto write = [&](RegistryStore &writer, int index) {
        const QString key = QStringLiteral("K\\Schreiber%1").arg(index);
        for (int i = 0; i < Writes; ++i) {
            if (!writer.createKey(key)
                || !writer.setValue(key, QString::number(i), std::int32_t{i}))
                ++failures[index];
        }
    };
    std::thread first(write, std::ref(*store), 0);
    std::thread second(write, std::ref(*other), 1);
    first.join();
    second.join();
    EXPECT_EQ(failures[0], 0);
    EXPECT_EQ(failures[1], 0);
    EXPECT_EQ(store->valueNames(QStringLiteral("K\\Schreiber1"))->size(), Writes);
    EXPECT_EQ(other->valueNames(QStringLiteral("K\\Schreiber0"))->size(), Writes);
}

} // namespace
} // namespace penvaro::platform
