#pragma once

#include "core/result.h"

#include <QString>
#include <QStringList>

#include <array>

namespace penvaro::platform {

class RegistryStore;

// Lines 2 to 4 of a crossed cheque's payee.
using PayeeLines = std::array<QString, 3>;

// The payees of printed crossed cheques, shared by all account files: the key "Scheck" below
// the product key, one subkey per payee named by the first line exactly as typed, holding
// "Empfaenger2" to "Empfaenger4". Empty and backslash names behave as in the recipient memory.
class PayeeMemory {
public:
    // The numbers of the "Registry-Fehler" window when the memory cannot be reached.
    static constexpr int RememberErrorCode = 26587;
    static constexpr int RecallErrorCode = 26581;
    static constexpr int ListErrorCode = 26589;

    explicit PayeeMemory(RegistryStore &store);

    core::Result<void> remember(const QString &firstLine, const PayeeLines &lines);
    // A payee that was never printed gives three empty lines.
    core::Result<PayeeLines> recall(const QString &firstLine);
    core::Result<QStringList> names();

    static QString key();

private:
    RegistryStore &m_store;
};

} // namespace penvaro::platform
