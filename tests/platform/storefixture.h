#pragma once

#include "platform/registrystore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace penvaro::platform {

// A fresh store in a temporary folder for each test.
class StoreTest : public ::testing::Test {
protected:
    QString databasePath() const { return m_dir.filePath(QStringLiteral("einstellungen.sqlite")); }

    std::unique_ptr<RegistryStore> openStore() const {
        RegistryStore::Opening opening = RegistryStore::Open(databasePath());
        EXPECT_FALSE(opening.problem.has_value());
        return std::move(opening.store);
    }

    QTemporaryDir m_dir;
    std::unique_ptr<RegistryStore> store = openStore();
};

} // namespace penvaro::platform
