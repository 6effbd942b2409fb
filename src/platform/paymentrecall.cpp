#include "paymentrecall.h"

#include "appstate.h"
#include "uiservice.h"

namespace penvaro::platform {
namespace {

template<typename T>
T orEmpty(AppState &state, core::Result<T> result, int errorCode) {
    if (result)
        return std::move(*result);
    ShowError(state.ui(), errorCode, QStringLiteral("Registry-Fehler"));
    return T{};
}

} // namespace

RememberedRecipient RecallRecipient(AppState &state, const QString &name) {
    return orEmpty(state, RecipientMemory(state.store()).recall(name),
                   RecipientMemory::RememberErrorCode);
}

QStringList RecipientNames(AppState &state) {
    return orEmpty(state, RecipientMemory(state.store()).names(), RecipientMemory::ListErrorCode);
}

PayeeLines RecallPayee(AppState &state, const QString &firstLine) {
    return orEmpty(state, PayeeMemory(state.store()).recall(firstLine),
                   PayeeMemory::RecallErrorCode);
}

QStringList PayeeNames(AppState &state) {
    return orEmpty(state, PayeeMemory(state.store()).names(), PayeeMemory::ListErrorCode);
}

} // namespace penvaro::platform
