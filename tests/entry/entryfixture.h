#pragma once

#include "platform/appstate.h"
#include "platform/clock.h"
#include "platform/registrystore.h"
#include "scripteduiservice.h"
#include "support/filesizelimit.h"

#include "core/bookingrecord.h"

#include <QString>
#include <QTemporaryDir>
#include <QWidget>

#include <filesystem>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

namespace penvaro::entry::test {

using penvaro::test::FileSizeLimit;
using testing::ScriptedUiService;

// One open account: an account file on disk, its table, a settings store in a temporary
// folder, a scripted user and a fixed day. Numbers are typed the German way.
struct Account {
    explicit Account(QDate today = QDate(2011, 6, 20), bool usableStore = true);

    // Replaces table and file with these records.
    void save(const std::vector<core::BookingRecord> &records);
    std::vector<core::BookingRecord> inTable() const;
    std::vector<core::BookingRecord> onDisk() const;
    QString file() const { return QString::fromStdString(path.string()); }

    QTemporaryDir dir;
    std::unique_ptr<platform::RegistryStore> store;
    ScriptedUiService ui;
    platform::FixedClock clock;
    platform::AppState state;
    std::filesystem::path path;
};

template<typename T>
T *Child(const QWidget &parent, const char *name) {
    auto *child = parent.findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

// Shows the window, makes it active so that focus moves send their events, and waits for it.
void ShowActive(QWidget &window);

// Gives the field the focus as a user would and replaces its text by typing.
void TypeInto(QWidget *field, const QString &text);

ScriptedUiService::Shown ErrorShown(std::int32_t code, const QString &text);
ScriptedUiService::Shown FailureShown(const QString &text);

} // namespace penvaro::entry::test
