#include "appfixture.h"
#include "scripteduiservice.h"
#include "support/records.h"
#include "widgets/commandguard.h"

#include "core/bookingchanges.h"
#include "platform/accountsession.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace penvaro::widgets {
namespace {

using testing::ScriptedUiService;
using Kind = ScriptedUiService::Kind;

TEST(RunCommandTest, AFailureTheCommandDoesNotHandleIsShownAndTheProgramGoesOn) {
    struct Case {
        const char *what;
        std::function<core::Result<void>()> command;
        std::vector<ScriptedUiService::Shown> shown;
    };
    const Case cases[] = {
        {"success", [] { return core::Result<void>(); }, {}},
        {"error value",
         [] {
             return core::Result<void>(
                 core::Error{core::ErrorKind::Io, "Die Datei giro.p11 kann nicht gelesen werden."});
         },
         {{Kind::Failure, QStringLiteral("Die Datei giro.p11 kann nicht gelesen werden.")}}},
        {"thrown range error",
         []() -> core::Result<void> { throw std::out_of_range("Index 1001"); },
         {{Kind::Failure, QStringLiteral("Unerwarteter Fehler: Index 1001")}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedUiService ui;
        EXPECT_EQ(RunCommand(ui, c.command), c.shown.empty());
        EXPECT_EQ(ui.shown(), c.shown);
    }
}

TEST(RunBookingChangeTest, AFileAnotherProgramChangedIsShownAgainInsteadOfWrittenOver) {
    testing::TestApp app;
    const auto file = app.writeAccount(QStringLiteral("giro.p11"), {testing::StartValue(1)});
    ASSERT_TRUE(app.state->session().open(file));
    int shows = 0;
    QObject::connect(app.state.get(), &platform::AppState::bookingsChanged, [&shows] { ++shows; });
    // A sync tool puts another version of the file in place.
    app.writeAccount(QStringLiteral("giro.p11"),
                     {testing::StartValue(1), testing::Planned("01.07.2011")});
    app.ui.clear();

    EXPECT_FALSE(RunBookingChange(*app.state, [&app] {
        return core::DeleteBooking(app.state->table(), 1, app.state->currentPath());
    }));
    EXPECT_EQ(2u, app.recordsOnDisk(file).size()) << "nothing written";
    EXPECT_EQ(2, app.state->table().count()) << "the file as it is now";
    EXPECT_EQ(1, shows);
    ASSERT_EQ(1u, app.ui.shown().size());
    EXPECT_EQ(Kind::Failure, app.ui.shown()[0].kind);
    EXPECT_TRUE(app.ui.shown()[0].text.contains(QStringLiteral("geändert")));

    EXPECT_TRUE(RunBookingChange(*app.state, [&app] {
        return core::DeleteBooking(app.state->table(), 1, app.state->currentPath());
    })) << "made again, the change is stored";
    EXPECT_EQ(1u, app.recordsOnDisk(file).size());
}

} // namespace
} // namespace penvaro::widgets
