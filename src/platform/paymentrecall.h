#pragma once

#include "payeememory.h"
#include "recipientmemory.h"

#include <QString>
#include <QStringList>

namespace penvaro::platform {

class AppState;

// What the payment window's fields take from the memories. A memory that cannot be reached
// shows "Registry-Fehler" with its number and gives empty texts, so the window goes on
// without it.
RememberedRecipient RecallRecipient(AppState &state, const QString &name);
QStringList RecipientNames(AppState &state);
PayeeLines RecallPayee(AppState &state, const QString &firstLine);
QStringList PayeeNames(AppState &state);

} // namespace penvaro::platform
