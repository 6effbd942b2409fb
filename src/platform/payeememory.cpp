#include "payeememory.h"

#include "namedmemory.h"
#include "settingsstore.h"

namespace penvaro::platform {
namespace {

const QStringList valueNames = {QStringLiteral("Empfaenger2"), QStringLiteral("Empfaenger3"),
                                QStringLiteral("Empfaenger4")};

} // namespace

PayeeMemory::PayeeMemory(RegistryStore &store)
    : m_store(store) {}

QString PayeeMemory::key() {
    return ProductKey() + QStringLiteral("\\Scheck");
}

core::Result<void> PayeeMemory::remember(const QString &firstLine, const PayeeLines &lines) {
    return namedmemory::remember(m_store, key(), firstLine, valueNames,
                                 {lines[0], lines[1], lines[2]});
}

core::Result<PayeeLines> PayeeMemory::recall(const QString &firstLine) {
    auto texts = namedmemory::recall(m_store, key(), firstLine, valueNames);
    if (!texts)
        return texts.error();
    return PayeeLines{texts->at(0), texts->at(1), texts->at(2)};
}

core::Result<QStringList> PayeeMemory::names() {
    return namedmemory::names(m_store, key());
}

} // namespace penvaro::platform
