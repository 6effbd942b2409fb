#include "entryfixture.h"

#include "core/accountfile.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

namespace penvaro::entry::test {

namespace {

std::unique_ptr<platform::RegistryStore> OpenStore(const QTemporaryDir &dir, bool usable) {
    // A file in place of the folder makes a store whose every operation fails.
    QString path = dir.filePath(QStringLiteral("einstellungen.sqlite"));
    if (!usable) {
        QFile blocker(dir.filePath(QStringLiteral("kein-ordner")));
        EXPECT_TRUE(blocker.open(QIODevice::WriteOnly));
        path = blocker.fileName() + QStringLiteral("/einstellungen.sqlite");
    }
    return std::move(platform::RegistryStore::Open(path).store);
}

std::vector<core::BookingRecord> Used(const core::BookingTable &table) {
    return {table.slots.begin(), table.slots.begin() + table.count};
}

} // namespace

Account::Account(QDate today, bool usableStore)
    : store(OpenStore(dir, usableStore))
    , clock(today)
    , state(*store, ui, clock)
    , path(std::filesystem::path(dir.filePath(QStringLiteral("giro.p11")).toStdString())) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    state.settings().Datei = path.string();
    // The day the file was opened has been checked for recurring bookings.
    state.settings().LM = state.today() + 1;
    save({});
}

void Account::save(const std::vector<core::BookingRecord> &records) {
    core::BookingTable &table = state.table();
    core::ClearBookingTable(table);
    std::copy(records.begin(), records.end(), table.slots.begin());
    table.count = static_cast<std::uint16_t>(records.size());
    EXPECT_TRUE(core::SaveAccountFile(table, path));
}

std::vector<core::BookingRecord> Account::inTable() const {
    return Used(state.table());
}

std::vector<core::BookingRecord> Account::onDisk() const {
    core::BookingTable loaded;
    EXPECT_TRUE(core::LoadAccountFile(path, loaded));
    return Used(loaded);
}

void ShowActive(QWidget &window) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // The offscreen platform does not activate a window shown again after hiding.
    if (QApplication::activeWindow() != &window)
        QApplication::setActiveWindow(&window);
    ASSERT_EQ(QApplication::activeWindow(), &window);
}

void TypeInto(QWidget *field, const QString &text) {
    field->setFocus(Qt::TabFocusReason);
    if (auto *box = qobject_cast<QComboBox *>(field)) {
        box->clearEditText();
    } else if (auto *edit = qobject_cast<QLineEdit *>(field)) {
        edit->clear();
        edit->home(false);
    }
    for (const QChar c : text) {
        // QTest types only ASCII by key; other characters arrive as the text of a key event.
        if (c.unicode() < 0x80)
            QTest::keyClick(field, static_cast<char>(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

ScriptedUiService::Shown ErrorShown(std::int32_t code, const QString &text) {
    return {ScriptedUiService::Kind::ErrorWindow, text, code};
}

ScriptedUiService::Shown FailureShown(const QString &text) {
    return {ScriptedUiService::Kind::Failure, text};
}

} // namespace penvaro::entry::test
