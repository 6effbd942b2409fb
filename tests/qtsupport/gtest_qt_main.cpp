#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Points the user's configuration and data folders into a temporary folder, so that no test
// reads or writes the real settings or finds a real manual. Windows are drawn off screen, also
// when the tests are only listed, which happens without the test environment.
int main(int argc, char **argv) {
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
