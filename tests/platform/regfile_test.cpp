#include "platform/regfile.h"
#include "storefixture.h"

#include <QFile>
#include <QStringDecoder>

#include <sys/stat.h>

namespace penvaro::platform {
namespace {

void WriteAll(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// The text in UTF-16LE with byte-order mark, as the registry editor writes it.
QByteArray Utf16(const QString &text) {
    return QByteArray("\xff\xfe", 2)
           + QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
}

QString Utf16Text(const QByteArray &bytes) {
    EXPECT_TRUE(bytes.startsWith("\xff\xfe"));
    return QStringDecoder(QStringDecoder::Utf16LE).decode(bytes.mid(2));
}

using RegFileTest = StoreTest;

TEST_F(RegFileTest, ExportWritesTheEditorFormatInUtf16WithCrLf) {
    const QString key = QStringLiteral("SOFTWARE\\Firma\\Prog");
    ASSERT_TRUE(store->createKey(key + QStringLiteral("\\Unter")));
    ASSERT_TRUE(store->setValues(key, {
                                          {QStringLiteral("Pfad"), QStringLiteral("C:\\\"x\"")},
                                          {QStringLiteral("Breite"), std::int32_t{10}},
                                          {QStringLiteral("KorrH"), std::int32_t{-1}},
                                          {QStringLiteral("Zinsen"), BinaryFromDouble(2.0)},
                                          {QString(), QStringLiteral("Vorgabe")},
                                      }));
    const QString file = m_dir.filePath(QStringLiteral("export.reg"));

    ASSERT_TRUE(ExportRegistryFile(*store, key, file));

    QFile exported(file);
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    EXPECT_EQ(Utf16Text(exported.readAll()),
              QStringLiteral("Windows Registry Editor Version 5.00\r\n"
                             "\r\n"
                             "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Firma\\Prog]\r\n"
                             "\"Pfad\"=\"C:\\\\\\\"x\\\"\"\r\n"
                             "\"Breite\"=dword:0000000a\r\n"
                             "\"KorrH\"=dword:ffffffff\r\n"
                             "\"Zinsen\"=hex:00,00,00,00,00,00,00,40\r\n"
                             "@=\"Vorgabe\"\r\n"
                             "\r\n"
                             "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Firma\\Prog\\Unter]\r\n"
                             "\r\n"));
}

TEST_F(RegFileTest, AnExportImportedIntoAnEmptyStoreGivesTheSameTree) {
    const QString key = QStringLiteral("SOFTWARE\\Tarvel SoftLabs\\Penvaro98");
    const QString fileKey = key + QStringLiteral("\\/home/jörg/Girokonto \"Ö\".p11");
    QByteArray allBytes;
    for (int i = 0; i < 256; ++i)
        allBytes.append(static_cast<char>(i));
    ASSERT_TRUE(store->createKey(key + QStringLiteral("\\VAEB\\Verw\\Miete für März")));
    ASSERT_TRUE(store->createKey(fileKey));
    ASSERT_TRUE(
        store->setValues(key, {
                                  {QStringLiteral("Datei"), QStringLiteral("/home/jörg/a.p11")},
                                  {QStringLiteral("Waehrung"), QStringLiteral("€ \\ \"")},
                                  {QStringLiteral("Zeilen"), QStringLiteral("eins\r\nzwei")},
                                  {QStringLiteral("Größe\\mit\"Zeichen"), std::int32_t{-7}},
                                  {QStringLiteral("Alle Bytes"), allBytes},
                                  {QStringLiteral("Leer"), QByteArray()},
                                  {QStringLiteral("LeerText"), QString()},
                              }));
    ASSERT_TRUE(store->setValue(fileKey, QStringLiteral("20117"), BinaryFromDouble(40550.0)));
    const QString file = m_dir.filePath(QStringLiteral("sicherung.reg"));
    ASSERT_TRUE(ExportRegistryFile(*store, key, file));

    QTemporaryDir otherDir;
    auto other = RegistryStore::Open(otherDir.filePath(QStringLiteral("leer.sqlite"))).store;
    auto imported = ImportRegistryFile(*other, file, key);
    ASSERT_TRUE(imported) << imported.error().message;

    EXPECT_EQ(*other->readTree(key), *store->readTree(key));
}

TEST_F(RegFileTest, ReadsUtf8WithAndWithoutByteOrderMark) {
    const QByteArray text = "Windows Registry Editor Version 5.00\n\n"
                            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Prüfung]\n"
                            "\"Währung\"=\"DM\"\n"
                            "\"Bytes\"=hex:01,02,\\\n"
                            "  03\n";
    const std::vector<KeyContents> expected{
        {QStringLiteral("SOFTWARE\\Prüfung"),
         {{QStringLiteral("Währung"), QStringLiteral("DM")},
          {QStringLiteral("Bytes"), QByteArray("\x01\x02\x03")}}},
    };
    for (const QByteArray &bytes : {text, QByteArray("\xef\xbb\xbf") + text}) {
        auto keys = ParseRegistryFile(bytes);
        ASSERT_TRUE(keys) << keys.error().message;
        EXPECT_EQ(*keys, expected);
    }
}

TEST_F(RegFileTest, AMalformedFileIsRefusedWithItsLineAndNothingIsMerged) {
    const QByteArray good = "Windows Registry Editor Version 5.00\r\n\r\n"
                            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Gut]\r\n"
                            "\"a\"=\"b\"\r\n";
    struct Case {
        const char *defect;
        QByteArray text;
        int line;
    };
    const Case cases[] = {
        {"wrong header", "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE]\r\n", 1},
        {"value before any key", "Windows Registry Editor Version 5.00\r\n\"a\"=\"b\"\r\n", 2},
        {"unclosed text", good + "\"c\"=\"d\r\n", 5},
        {"unknown escape", good + "\"c\"=\"d\\n\"\r\n", 5},
        {"name without quotes", good + "c=\"d\"\r\n", 5},
        {"missing equals sign", good + "\"c\" \"d\"\r\n", 5},
        {"short dword", good + "\"c\"=dword:0a\r\n", 5},
        {"dword with a sign", good + "\"c\"=dword:+000000a\r\n", 5},
        {"bad hex byte", good + "\"c\"=hex:01,zz\r\n", 5},
        {"hex byte too long", good + "\"c\"=hex:123\r\n", 5},
        {"continuation at the end", good + "\"c\"=hex:01,\\\r\n", 5},
        {"unknown type", good + "\"c\"=hex(7):00,00\r\n", 5},
        {"deleted value", good + "\"c\"=-\r\n", 5},
        {"deleted key", good + "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Gut]\r\n", 5},
        {"other hive", good + "[HKEY_CURRENT_USER\\SOFTWARE]\r\n", 5},
        {"unclosed section", good + "[HKEY_LOCAL_MACHINE\\SOFTWARE\r\n", 5},
        {"key name too long",
         good + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\" + QByteArray(256, 'k') + "]\r\n", 5},
        {"odd hex(1) text", good + "\"c\"=hex(1):41\r\n", 5},
        {"not text at all", QByteArray("\xff\xff\xff\x00", 4), 1},
        {"UTF-16 ending in half a character", Utf16(QString::fromLatin1(good)) + '\x41', 1},
    };
    const QString file = m_dir.filePath(QStringLiteral("kaputt.reg"));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.defect);
        WriteAll(file, c.text);

        auto imported = ImportRegistryFile(*store, file, QStringLiteral("SOFTWARE"));

        ASSERT_FALSE(imported);
        EXPECT_NE(imported.error().message.find("Zeile " + std::to_string(c.line) + ":"),
                  std::string::npos)
            << imported.error().message;
        EXPECT_FALSE(*store->keyExists(QStringLiteral("SOFTWARE")));
    }
}

TEST_F(RegFileTest, TheStoreAndItsExportsAreReadableByTheirOwnerOnly) {
    const QString exported = m_dir.filePath(QStringLiteral("sicherung.reg"));
    ASSERT_TRUE(store->createKey(QStringLiteral("SOFTWARE\\Tarvel")));
    ASSERT_TRUE(ExportRegistryFile(*store, QStringLiteral("SOFTWARE"), exported));
    for (const QString &file : {databasePath(), exported}) {
        SCOPED_TRACE(file.toStdString());
        struct stat info {};
        ASSERT_EQ(0, ::stat(QFile::encodeName(file).constData(), &info));
        EXPECT_EQ(0600u, info.st_mode & 0777);
    }
}

TEST_F(RegFileTest, WhatIsNoRegistryFileIsRefusedAtOnce) {
    const QString fifo = m_dir.filePath(QStringLiteral("pipe.reg"));
    ASSERT_EQ(0, ::mkfifo(QFile::encodeName(fifo).constData(), 0600));
    const QString huge = m_dir.filePath(QStringLiteral("riesig.reg"));
    ASSERT_TRUE(QFile(huge).open(QIODevice::WriteOnly));
    ASSERT_TRUE(QFile::resize(huge, static_cast<qint64>(MaxRegistryFileBytes) + 1));
    for (const QString &file :
         {m_dir.filePath(QStringLiteral("fehlt.reg")), fifo, QStringLiteral("/dev/zero"), huge}) {
        SCOPED_TRACE(file.toStdString());
        const auto imported = ImportRegistryFile(*store, file, QStringLiteral("SOFTWARE"));
        ASSERT_FALSE(imported);
        EXPECT_NE(std::string::npos, imported.error().message.find(file.toStdString()));
    }
}

TEST_F(RegFileTest, AFileWithKeysOutsideTheGivenKeyIsRefusedAsAWhole) {
    const QString key = QStringLiteral("SOFTWARE\\Tarvel SoftLabs\\Penvaro98");
    const QByteArray header = "Windows Registry Editor Version 5.00\r\n\r\n";
    const QByteArray own = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarvel SoftLabs\\Penvaro98]\r\n"
                           "\"Waehrung\"=\"ATS\"\r\n";
    struct Case {
        const char *what;
        QByteArray text;
        const char *reason; // empty when the file is merged
    };
    const Case cases[] = {
        {"the key itself and a key below, in other case",
         header + own + "[HKEY_LOCAL_MACHINE\\software\\tarvel softlabs\\penvaro98\\VAEB]\r\n", ""},
        {"another program's key", header + own + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Andere]\r\n",
         "„HKEY_LOCAL_MACHINE\\SOFTWARE\\Andere“ liegt nicht unter"},
        {"a key whose name only begins like it",
         header + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarvel SoftLabs\\Penvaro987]\r\n",
         "liegt nicht unter"},
        {"the hive itself", header + "[HKEY_LOCAL_MACHINE]\r\n", "liegt nicht unter"},
        {"no key at all", header, "enthält keinen Schlüssel unter"},
    };
    const QString file = m_dir.filePath(QStringLiteral("fremd.reg"));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir otherDir;
        auto fresh = RegistryStore::Open(otherDir.filePath(QStringLiteral("leer.sqlite"))).store;
        WriteAll(file, c.text);

        auto imported = ImportRegistryFile(*fresh, file, key);

        const std::string reason = c.reason;
        if (reason.empty()) {
            ASSERT_TRUE(imported) << imported.error().message;
            EXPECT_TRUE(*fresh->keyExists(key + QStringLiteral("\\VAEB")));
            continue;
        }
        ASSERT_FALSE(imported);
        EXPECT_NE(imported.error().message.find(reason), std::string::npos)
            << imported.error().message;
        EXPECT_FALSE(*fresh->keyExists(QStringLiteral("SOFTWARE"))) << "nothing is merged";
    }
}

TEST_F(RegFileTest, AMissingFileIsAnError) {
    EXPECT_FALSE(ImportRegistryFile(*store, m_dir.filePath(QStringLiteral("fehlt.reg")),
                                    QStringLiteral("SOFTWARE")));
}

} // namespace
} // namespace penvaro::platform
