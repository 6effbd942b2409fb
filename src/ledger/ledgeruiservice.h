#pragma once

#include "platform/qtuiservice.h"
#include "tfehlerf.h"

namespace penvaro::ledger {

// The program's real dialogs including its own error window, which is created once and shown
// as often as needed.
class LedgerUiService final : public platform::QtUiService {
public:
    LedgerUiService();

    void showErrorWindow(std::int32_t code, const QString &text) override;

private:
    TFehlerF m_errorWindow;
};

} // namespace penvaro::ledger
