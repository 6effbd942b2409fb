#include "scripteduiservice.h"
#include "storefixture.h"

#include "core/password.h"
#include "platform/regfile.h"
#include "platform/settingsstore.h"
#include "platform/startpassword.h"

#include <QFile>

#include <functional>

namespace penvaro::platform {
namespace {

const QString PasswordName = QStringLiteral("Tabellenformat");

// The form earlier versions stored: every character but the blank as 0x9F − c.
QString scrambled(const QString &password) {
    return QString::fromStdU16String(core::TransformPassword(password.toStdU16String()));
}

class StartPasswordTest : public StoreTest {
protected:
    QString storedPassword() const {
        const auto value = store->value(ProductKey(), PasswordName);
        return value && *value && std::holds_alternative<QString>(**value)
                   ? std::get<QString>(**value)
                   : QStringLiteral("<kein Text>");
    }

    QString file(const char *name) const { return m_dir.filePath(QString::fromUtf8(name)); }

    testing::ScriptedUiService ui;
};

TEST_F(StartPasswordTest, ASaltedHashStandsForThePasswordAndGivesNothingAway) {
    const auto first = HashStartPassword(QStringLiteral("GEHEIM 7"));
    const auto second = HashStartPassword(QStringLiteral("GEHEIM 7"));
    ASSERT_TRUE(first && second);
    EXPECT_TRUE(first->starts_with("$argon2id$")) << *first;
    EXPECT_NE(*first, *second) << "each hash has a salt of its own";
    EXPECT_EQ(std::string::npos, first->find("GEHEIM"));
    EXPECT_TRUE(StartPasswordMatches(*first, QStringLiteral("GEHEIM 7")));
    EXPECT_FALSE(StartPasswordMatches(*first, QStringLiteral("GEHEIM 8")));
    EXPECT_FALSE(StartPasswordMatches(*first, QString()));
    EXPECT_EQ("", HashStartPassword(QString()).value()) << "no password set";
}

// However an old scrambled value reaches the store, it is a hash as soon as it is read, and
// the password still opens the program.
TEST_F(StartPasswordTest, AnOldScrambledValueBecomesItsHashWhenReadImportedOrExported) {
    const QString old = scrambled(QStringLiteral("ALT 42"));
    const auto writeOld = [&] {
        ASSERT_TRUE(store->createKey(ProductKey()));
        ASSERT_TRUE(store->setValue(ProductKey(), PasswordName, old));
    };
    const struct {
        const char *name;
        std::function<void()> reach;
    } cases[] = {
        {"read at start",
         [&] {
             writeOld();
             SettingsStore settings(*store, ui);
             settings.load();
             EXPECT_TRUE(StartPasswordMatches(settings.settings().storedPassword,
                                              QStringLiteral("ALT 42")));
             EXPECT_EQ(settings.settings().storedPassword, storedPassword().toStdString());
         }},
        {"imported from an older export",
         [&] {
             QFile reg(file("alt.reg"));
             ASSERT_TRUE(reg.open(QIODevice::WriteOnly));
             reg.write(("Windows Registry Editor Version 5.00\r\n\r\n"
                        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarvel SoftLabs\\Penvaro98]\r\n"
                        "\"Tabellenformat\"=\""
                        + old + "\"\r\n")
                           .toUtf8());
             reg.close();
             ASSERT_TRUE(ImportRegistryFile(*store, file("alt.reg"), ProductKey()));
         }},
        {"exported",
         [&] {
             writeOld();
             ASSERT_TRUE(ExportRegistryFile(*store, ProductKey(), file("neu.reg")));
             QFile reg(file("neu.reg"));
             ASSERT_TRUE(reg.open(QIODevice::ReadOnly));
             const QByteArray bytes = reg.readAll();
             const QString text = QString::fromUtf16(
                 reinterpret_cast<const char16_t *>(bytes.constData() + 2), (bytes.size() - 2) / 2);
             EXPECT_FALSE(text.contains(old));
             EXPECT_TRUE(text.contains(QStringLiteral("\"Tabellenformat\"=\"$argon2id$")))
                 << text.toStdString();
         }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(store->deleteKey(QStringLiteral("SOFTWARE")));
        c.reach();
        EXPECT_TRUE(storedPassword().startsWith(QStringLiteral("$argon2id$")))
            << storedPassword().toStdString();
        EXPECT_TRUE(StartPasswordMatches(storedPassword().toStdString(), QStringLiteral("ALT 42")));
    }
}

} // namespace
} // namespace penvaro::platform
