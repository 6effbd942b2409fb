#include "ledgeruiservice.h"

namespace penvaro::ledger {

LedgerUiService::LedgerUiService()
    : m_errorWindow(*this) {}

void LedgerUiService::showErrorWindow(std::int32_t code, const QString &text) {
    m_errorWindow.setError(code, text);
    runModal(m_errorWindow);
}

} // namespace penvaro::ledger
