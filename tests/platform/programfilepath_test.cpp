#include "platform/programfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace penvaro::platform {
namespace {

// An installation in miniature: bin/ with the executable, share/penvaro/ with the shipped
// file, and the user's data folder.
class ProgramFilePathTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(m_root.path()).mkpath(QStringLiteral("bin")));
        ASSERT_TRUE(QDir(m_root.path()).mkpath(QStringLiteral("share/penvaro")));
        ASSERT_TRUE(QDir(m_root.path()).mkpath(QStringLiteral("data/penvaro")));
    }

    QString path(const QString &name) const { return m_root.filePath(name); }

    void create(const QString &name) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

private:
    QTemporaryDir m_root;
};

// The bank code file and the manual are found the same way; a name with blanks as well.
TEST_F(ProgramFilePathTest, TheDataFoldersFileComesBeforeTheShippedOne) {
    for (const QString &name :
         {QStringLiteral("blz.asc"), QStringLiteral("Penvaro 2011 - Handbuch.pdf")}) {
        SCOPED_TRACE(name.toStdString());
        const auto chosen = [&] {
            return ProgramFilePath(name, path(QStringLiteral("data/penvaro")),
                                   path(QStringLiteral("bin")));
        };
        const QString own = QStringLiteral("data/penvaro/") + name;
        const QString shipped = QStringLiteral("share/penvaro/") + name;
        EXPECT_EQ(path(own), chosen()) << "neither exists";
        create(shipped);
        EXPECT_EQ(path(shipped), chosen()) << "only the shipped one";
        create(own);
        EXPECT_EQ(path(own), chosen()) << "both";
    }
}

} // namespace
} // namespace penvaro::platform
