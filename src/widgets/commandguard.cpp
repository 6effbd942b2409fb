#include "commandguard.h"

#include "platform/appstate.h"
#include "platform/uiservice.h"

#include <QString>

#include <exception>
#include <optional>

namespace penvaro::widgets {

bool RunCommand(platform::UiService &ui, const std::function<core::Result<void>()> &command) {
    QString failure;
    try {
        const core::Result<void> result = command();
        if (result)
            return true;
        failure = QString::fromStdString(result.error().message);
    } catch (const std::exception &thrown) {
        // Exceptions must not cross Qt's event loop; this is the last place to stop them.
        failure =
            QStringLiteral("Unerwarteter Fehler: %1").arg(QString::fromLocal8Bit(thrown.what()));
    }
    ui.showFailure(failure);
    return false;
}

bool RunBookingChange(platform::AppState &state,
                      const std::function<core::Result<void>()> &command) {
    std::optional<core::ErrorKind> failure;
    const bool done = RunCommand(state.ui(), [&]() -> core::Result<void> {
        auto result = command();
        if (!result)
            failure = result.error().kind;
        return result;
    });
    if (failure == core::ErrorKind::Changed)
        state.announceBookingChange();
    return done;
}

} // namespace penvaro::widgets
