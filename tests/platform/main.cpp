#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Points the user's configuration and data folders into a temporary folder, so that no test
// reads or writes the real settings.
int main(int argc, char **argv) {
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
