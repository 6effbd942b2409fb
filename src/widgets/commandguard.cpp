#include "commandguard.h"

#include "platform/uiservice.h"

#include <QString>

#include <exception>

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

} // namespace penvaro::widgets
