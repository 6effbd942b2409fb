#include "platform/bankcodefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace penvaro::platform {
namespace {

// An installation in miniature: bin/ with the executable, share/penvaro/ with the shipped
// file, and the user's data folder.
class BankCodeFilePathTest : public ::testing::Test {
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

    QString chosen() const {
        return BankCodeFilePath(path(QStringLiteral("data/penvaro")), path(QStringLiteral("bin")));
    }

private:
    QTemporaryDir m_root;
};

TEST_F(BankCodeFilePathTest, TheDataFoldersFileComesBeforeTheShippedOne) {
    EXPECT_EQ(path(QStringLiteral("data/penvaro/blz.asc")), chosen()) << "neither exists";
    create(QStringLiteral("share/penvaro/blz.asc"));
    EXPECT_EQ(path(QStringLiteral("share/penvaro/blz.asc")), chosen()) << "only the shipped one";
    create(QStringLiteral("data/penvaro/blz.asc"));
    EXPECT_EQ(path(QStringLiteral("data/penvaro/blz.asc")), chosen()) << "both";
}

} // namespace
} // namespace penvaro::platform
