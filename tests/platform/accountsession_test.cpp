#include "appfixture.h"
#include "support/filesizelimit.h"
#include "support/records.h"

#include "core/accountregister.h"
#include "core/bookingchanges.h"
#include "core/date.h"
#include "platform/accountsession.h"
#include "platform/registryvalue.h"
#include "platform/settingsstore.h"
#include "support/tempdir.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace penvaro::platform {
namespace {

using penvaro::testing::Day;
using penvaro::testing::ScriptedUiService;

// Counts how often a file was replaced: every write of it renames a finished
// copy onto it.
class Replacements {
public:
    explicit Replacements(const std::filesystem::path &file)
        : m_name(file.filename().string())
        , m_fd(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        EXPECT_GE(::inotify_add_watch(m_fd, file.parent_path().c_str(), IN_MOVED_TO), 0);
    }
    ~Replacements() { ::close(m_fd); }
    Replacements(const Replacements &) = delete;
    Replacements &operator=(const Replacements &) = delete;

    int count() {
        alignas(inotify_event) char buffer[4096];
        for (ssize_t n; (n = ::read(m_fd, buffer, sizeof buffer)) > 0;) {
            for (const char *p = buffer; p < buffer + n;) {
                const auto *event = reinterpret_cast<const inotify_event *>(p);
                if (event->len > 0 && m_name == event->name)
                    ++m_count;
                p += sizeof(inotify_event) + event->len;
            }
        }
        return m_count;
    }

private:
    std::string m_name;
    int m_fd;
    int m_count = 0;
};

class AccountSessionTest : public penvaro::testing::AppFixture {
protected:
    AccountSession &session() { return state->session(); }

    std::optional<RegistryValue> fileValue(const std::filesystem::path &file,
                                           const QString &name) const {
        const auto value =
            store->value(FileSettingsKey(*store, QString::fromStdString(file.string())), name);
        return value ? *value : std::nullopt;
    }

    std::vector<core::RegisterEntry> registerEntries() const {
        const auto loaded = core::LoadAccountRegister(state->registerPath());
        EXPECT_TRUE(loaded);
        return loaded ? loaded->entries : std::vector<core::RegisterEntry>{};
    }
};

TEST_F(AccountSessionTest, DueBookingsReachTheFileTogetherWithTheNextCheckDayOrNotAtAll) {
    // Large enough that a limit just above it still leaves the settings database
    // room.
    std::vector<core::BookingRecord> records(400,
                                             penvaro::testing::Completed(2011, 1, "02.05.2011"));
    records.push_back(penvaro::testing::Recurring(15, "15.06.2011"));
    const auto file = writeAccount(QStringLiteral("miete.p11"), records);
    const RegistryValue checkedUpTo = BinaryFromDouble(Day("10.06.2011"));
    setFileValue(file, QStringLiteral("LM"), checkedUpTo);

    {
        const penvaro::testing::FileSizeLimit diskFull(std::filesystem::file_size(file) + 10);
        EXPECT_TRUE(session().open(file)) << "the bookings that are there are shown";
    }
    const auto shown = messages();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ(ScriptedUiService::Kind::Failure, shown[0].kind);
    EXPECT_EQ(records, recordsOnDisk(file));
    EXPECT_EQ(records.size(), state->table().count());
    EXPECT_EQ(checkedUpTo, fileValue(file, QStringLiteral("LM")));
    EXPECT_EQ(Day("10.06.2011"), state->settings().nextCheckDay);

    // With room again the same days are checked and plan the booking once.
    ui.clear();
    for (int opening = 0; opening < 2; ++opening) {
        SCOPED_TRACE(opening);
        EXPECT_TRUE(session().open(file));
        const auto onDisk = recordsOnDisk(file);
        ASSERT_EQ(records.size() + 1, onDisk.size());
        EXPECT_EQ(Day("15.07.2011"), onDisk.back().Wertdatum);
        EXPECT_EQ(onDisk.size(), state->table().count());
        EXPECT_EQ(BinaryFromDouble(Day("21.06.2011")), fileValue(file, QStringLiteral("LM")));
    }
    EXPECT_EQ(std::vector<ScriptedUiService::Shown>{}, messages());
}

TEST_F(AccountSessionTest, SwitchingSavesTheSettingsOfTheFileThatWasOpenFirst) {
    const auto giro = writeAccount(QStringLiteral("giro.p11"), {penvaro::testing::StartValue(1)});
    const auto kasse = writeAccount(QStringLiteral("kasse.p11"), {penvaro::testing::StartValue(2)});
    ASSERT_TRUE(session().open(giro));
    state->settings().nationalCurrency = "ATS";

    ASSERT_TRUE(session().open(kasse));
    EXPECT_EQ(RegistryValue(QStringLiteral("ATS")), fileValue(giro, QStringLiteral("Waehrung")));
    EXPECT_EQ("DM", state->settings().nationalCurrency) << "the other file has settings of its own";
    EXPECT_EQ(kasse.string(), state->settings().accountFile);

    // A file that cannot be read changes nothing.
    EXPECT_FALSE(session().open(accountPath(QStringLiteral("fehlt.p11"))));
    EXPECT_EQ(kasse.string(), state->settings().accountFile);
    EXPECT_EQ(2, state->table().slot(1).Betrag);
    const auto shown = messages();
    ASSERT_EQ(1u, shown.size());
    EXPECT_TRUE(shown[0].text.contains(QStringLiteral("fehlt.p11")));
}

TEST_F(AccountSessionTest, TheRegisterIsWrittenOncePerOpeningAndPerNewBalance) {
    const auto file =
        writeAccount(QStringLiteral("giro.p11"), {penvaro::testing::StartValue(1000000)});
    Replacements replaced(state->registerPath());

    ASSERT_TRUE(session().open(file));
    EXPECT_EQ(1, replaced.count());
    state->announceBookingChange();
    EXPECT_EQ(1, replaced.count()) << "the same balance is not written again";

    ASSERT_TRUE(core::AddBooking(state->table(),
                                 penvaro::testing::Completed(2011, 1, "05.01.2011", 250000),
                                 state->currentPath()));
    state->announceBookingChange();
    EXPECT_EQ(2, replaced.count());
    const auto entries = registerEntries();
    ASSERT_EQ(1u, entries.size());
    EXPECT_EQ(1250000, entries[0].Kontostand);
}

TEST_F(AccountSessionTest, AFileInUseOpensReadOnlyOrNotAtAllInASecondProgram) {
    const auto file = writeAccount(QStringLiteral("giro.p11"), {penvaro::testing::StartValue(1)});
    ASSERT_TRUE(session().open(file));
    EXPECT_FALSE(session().readOnly());
    AppState second(*store, ui, clock);
    ui.clear();

    ui.setNextAnswer(Answer::No);
    EXPECT_FALSE(second.session().open(file)) << "the user chooses another file";
    EXPECT_EQ("", second.settings().accountFile);
    ui.setNextAnswer(Answer::Yes);
    ASSERT_TRUE(second.session().open(file));
    EXPECT_TRUE(second.session().readOnly());
    const auto shown = messages();
    ASSERT_EQ(2u, shown.size());
    EXPECT_EQ(ScriptedUiService::Kind::Question, shown[1].kind);
    EXPECT_TRUE(shown[1].text.contains(QStringLiteral("schreibgeschützt")));

    // The file's own settings, its next check day above all, stay those of the
    // first program.
    const auto checkedUpTo = fileValue(file, QStringLiteral("LM"));
    second.settings().nextCheckDay = 1.0;
    second.settingsStore().save();
    EXPECT_EQ(checkedUpTo, fileValue(file, QStringLiteral("LM")));

    // The first program opens its file again without a question and may still
    // write it.
    ui.clear();
    ASSERT_TRUE(session().open(file));
    EXPECT_FALSE(session().readOnly());
    EXPECT_EQ(std::vector<ScriptedUiService::Shown>{}, messages());
}

TEST_F(AccountSessionTest, ALockLeftByACrashIsTakenOverOnlyAfterAYes) {
    const auto file = writeAccount(QStringLiteral("giro.p11"), {penvaro::testing::StartValue(1)});
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        SCOPED_TRACE(answer == Answer::Yes ? "Yes" : "No");
        // What a program that crashed leaves: the lock file without anybody holding
        // it.
        penvaro::testing::WriteBytes(AccountFileLock::lockFileOf(file), {'4', '2', '\n'});
        ui.clear();
        ui.setNextAnswer(answer);
        ASSERT_TRUE(session().open(file));
        EXPECT_EQ(answer == Answer::No, session().readOnly());
        ASSERT_EQ(1u, messages().size());
        EXPECT_EQ(ScriptedUiService::Kind::Question, messages()[0].kind);
    }
    // The lock it took is its own: a second program is refused.
    AppState second(*store, ui, clock);
    ui.setNextAnswer(Answer::Yes);
    ASSERT_TRUE(second.session().open(file));
    EXPECT_TRUE(second.session().readOnly());
}

TEST_F(AccountSessionTest, AFileThatWouldBeHarmedByWritingOpensReadOnlyUnlessTheUserAgrees) {
    using Kind = ScriptedUiService::Kind;
    const std::vector<core::BookingRecord> records{penvaro::testing::StartValue(1),
                                                   penvaro::testing::Planned("01.03.2011", -5)};
    const struct {
        const char *name;
        std::filesystem::perms permissions;
        std::size_t partialBytes;
        Answer answer;
        bool readOnly;
        Kind asked;
        const char *says;
    } cases[] = {
        {"read-only", std::filesystem::perms::owner_read, 0, Answer::Yes, true, Kind::Information,
         "schreibgeschützt oder gehört einem anderen Benutzer"},
        {"partial record, no",
         std::filesystem::perms::owner_read | std::filesystem::perms::owner_write, 60, Answer::No,
         true, Kind::Question, "endet mit 60 Bytes"},
        {"partial record, yes",
         std::filesystem::perms::owner_read | std::filesystem::perms::owner_write, 60, Answer::Yes,
         false, Kind::Question, "endet mit 60 Bytes"},
    };
    int account = 0;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto file = writeAccount(QStringLiteral("konto%1.p11").arg(account++), records);
        auto bytes = penvaro::testing::ReadBytes(file);
        bytes.resize(bytes.size() + c.partialBytes, 0x20);
        penvaro::testing::WriteBytes(file, bytes);
        std::filesystem::permissions(file, c.permissions);
        ui.clear();
        if (c.asked == Kind::Question)
            ui.setNextAnswer(c.answer);
        ASSERT_TRUE(session().open(file));
        EXPECT_EQ(c.readOnly, session().readOnly());
        ASSERT_FALSE(messages().empty());
        EXPECT_EQ(c.asked, messages()[0].kind);
        EXPECT_TRUE(messages()[0].text.contains(QString::fromUtf8(c.says)))
            << messages()[0].text.toStdString();

        const auto deleted = core::DeleteBooking(state->table(), 2, file);
        EXPECT_EQ(c.readOnly, !deleted);
        if (c.readOnly) {
            EXPECT_EQ(bytes, penvaro::testing::ReadBytes(file)) << "left as it was";
        }
    }
}

TEST_F(AccountSessionTest, ACopyLeftByAStoppedWriteIsRemovedWhenTheFileIsOpened) {
    const auto file = writeAccount(QStringLiteral("giro.p11"), {penvaro::testing::StartValue(1)});
    const auto left = file.parent_path() / ".giro.p11.Ab12Cd";
    penvaro::testing::WriteBytes(left, {1, 2, 3});
    ASSERT_TRUE(session().open(file));
    EXPECT_FALSE(std::filesystem::exists(left));
}

TEST_F(AccountSessionTest, ACatchUpStoppedAtAnyStepPlansEachBookingOnceAfterARestart) {
    using Step = AccountSession::CatchUpStep;
    const std::optional<Step> stops[] = {std::nullopt, Step::PendingRecorded, Step::FileSaved};
    int account = 0;
    for (const std::optional<Step> &stop : stops) {
        SCOPED_TRACE(account);
        const auto file = writeAccount(QStringLiteral("miete%1.p11").arg(account++),
                                       {penvaro::testing::StartValue(0),
                                        penvaro::testing::Recurring(15, "15.06.2011"),
                                        penvaro::testing::Recurring(18, "18.06.2011")});
        setFileValue(file, QStringLiteral("LM"), BinaryFromDouble(Day("10.06.2011")));
        {
            // The program ends at the step as if killed; the system lets go of its
            // lock.
            AppState crashing(*store, ui, clock);
            crashing.session().setCatchUpStepHook([stop](Step step) { return step != stop; });
            ASSERT_TRUE(crashing.session().open(file));
        }
        for (int restart = 0; restart < 2; ++restart) {
            AppState restarted(*store, ui, clock);
            ASSERT_TRUE(restarted.session().open(file));
        }
        std::vector<std::string> planned;
        for (const core::BookingRecord &r : recordsOnDisk(file)) {
            if (r.Satzart == core::BookingKind::Planned)
                planned.push_back(core::FormatDate(r.Wertdatum));
        }
        std::sort(planned.begin(), planned.end());
        EXPECT_EQ((std::vector<std::string>{"15.07.2011", "18.07.2011"}), planned);
    }
    EXPECT_EQ(std::vector<ScriptedUiService::Shown>{}, messages());
}

} // namespace
} // namespace penvaro::platform
