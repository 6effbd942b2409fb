#include "scripteduiservice.h"
#include "widgets/commandguard.h"

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

} // namespace
} // namespace penvaro::widgets
