#include "platform/registrystore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace penvaro::platform {
namespace {

QByteArray ReadAll(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// A store with enough keys to span several pages.
void FillStore(const QString &path) {
    auto store = RegistryStore::Open(path).store;
    for (int i = 0; i < 200; ++i) {
        const QString key = QStringLiteral("SOFTWARE\\Schlüssel %1").arg(i);
        ASSERT_TRUE(store->createKey(key));
        ASSERT_TRUE(store->setValue(key, QStringLiteral("Text"), QString(100, u'x')));
    }
}

TEST(RegistryOpenTest, ADamagedFileIsSetAsideAndTheStoreStartsEmpty) {
    struct Case {
        const char *defect;
        std::function<void(const QString &)> damage;
    };
    const Case cases[] = {
        {"plain text", [](const QString &path) { WriteAll(path, "Das ist keine Datenbank.\n"); }},
        {"overwritten schema page",
         [](const QString &path) {
             FillStore(path);
             QByteArray bytes = ReadAll(path);
             bytes.replace(100, 3900, QByteArray(3900, '\x5a'));
             WriteAll(path, bytes);
         }},
        {"cut in half",
         [](const QString &path) {
             FillStore(path);
             QByteArray bytes = ReadAll(path);
             WriteAll(path, bytes.left(bytes.size() / 2 + 100));
         }},
        {"database of another program",
         [](const QString &path) {
             auto store = RegistryStore::Open(path + QStringLiteral(".fremd")).store;
             store.reset();
             // Same file layout, but a table "keys" without our columns.
             QByteArray bytes = ReadAll(path + QStringLiteral(".fremd"));
             bytes.replace("folded", 6, "fo1ded", 6);
             WriteAll(path, bytes);
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.defect);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("einstellungen.sqlite"));
        c.damage(path);
        const QByteArray damaged = ReadAll(path);

        RegistryStore::Opening opening = RegistryStore::Open(path);

        ASSERT_TRUE(opening.problem.has_value());
        EXPECT_NE(opening.problem->message.find("beschädigt"), std::string::npos);
        const QStringList setAside =
            QDir(dir.path())
                .entryList({QStringLiteral("einstellungen.sqlite.beschädigt-*")}, QDir::Files);
        ASSERT_EQ(setAside.size(), 1);
        EXPECT_EQ(ReadAll(dir.filePath(setAside.front())), damaged);
        EXPECT_NE(opening.problem->message.find(setAside.front().toStdString()), std::string::npos);
        EXPECT_TRUE(opening.store->createKey(QStringLiteral("SOFTWARE")));
        EXPECT_EQ(*opening.store->subkeyNames(QString()), QStringList{QStringLiteral("SOFTWARE")});
    }
}

TEST(RegistryOpenTest, AHealthyFileOpensWithoutComplaint) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("neu/einstellungen.sqlite"));
    EXPECT_FALSE(RegistryStore::Open(path).problem.has_value());
    FillStore(path);
    RegistryStore::Opening opening = RegistryStore::Open(path);
    EXPECT_FALSE(opening.problem.has_value());
    EXPECT_EQ(opening.store->subkeyNames(QStringLiteral("SOFTWARE"))->size(), 200);
}

TEST(RegistryOpenTest, AnUnusableFileGivesAStoreThatRefusesEverything) {
    QTemporaryDir dir;
    const QString blocker = dir.filePath(QStringLiteral("datei"));
    WriteAll(blocker, "kein Ordner");

    RegistryStore::Opening opening = RegistryStore::Open(blocker + QStringLiteral("/x.sqlite"));

    ASSERT_TRUE(opening.problem.has_value());
    EXPECT_FALSE(opening.store->createKey(QStringLiteral("SOFTWARE")));
    EXPECT_FALSE(opening.store->keyExists(QStringLiteral("SOFTWARE")));
    EXPECT_FALSE(opening.store->value(QString(), QStringLiteral("v")));
    EXPECT_EQ(ReadAll(blocker), QByteArray("kein Ordner"));
}

} // namespace
} // namespace penvaro::platform
