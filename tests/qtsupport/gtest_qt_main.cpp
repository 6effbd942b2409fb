#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Points the user's configuration, data and documents folders into a temporary folder, so
// that no test reads or writes the real settings or files or finds a real manual. Windows are drawn
// off screen, also when the tests are only listed, which happens without the test environment.
int main(int argc, char **argv) {
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    const QString documents = home.filePath(QStringLiteral("Dokumente"));
    QDir().mkpath(home.filePath(QStringLiteral("config")));
    QDir().mkpath(documents);
    QFile userDirs(home.filePath(QStringLiteral("config/user-dirs.dirs")));
    if (!userDirs.open(QIODevice::WriteOnly))
        return 1;
    userDirs.write("XDG_DOCUMENTS_DIR=\"" + QFile::encodeName(documents) + "\"\n");
    userDirs.close();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
