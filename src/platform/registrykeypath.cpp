#include "registrykeypath.h"

#include "registrystore.h"

namespace penvaro::platform {

namespace {

constexpr qsizetype MaxValueNameLength = 16383;
constexpr qsizetype MaxKeyDepth = 512;

} // namespace

core::Error InvalidName(const QString &message) {
    return core::Error{core::ErrorKind::Invalid, message.toStdString()};
}

core::Result<QStringList> SplitKeyPath(const QString &path) {
    if (path.isEmpty())
        return QStringList{};
    const QStringList names = path.split(u'\\');
    if (names.size() > MaxKeyDepth)
        return InvalidName(
            QStringLiteral("Der Schlüsselpfad ist tiefer als %1 Ebenen.").arg(MaxKeyDepth));
    for (const QString &name : names) {
        if (name.isEmpty())
            return InvalidName(
                QStringLiteral("Der Schlüsselpfad „%1“ enthält einen leeren Namen.").arg(path));
        if (name.size() > RegistryStore::MaxKeyNameLength)
            return InvalidName(QStringLiteral("Der Schlüsselname „%1…“ ist länger als %2 Zeichen.")
                                   .arg(name.left(40))
                                   .arg(RegistryStore::MaxKeyNameLength));
    }
    return names;
}

core::Result<void> CheckValueName(const QString &name) {
    if (name.size() > MaxValueNameLength)
        return InvalidName(QStringLiteral("Der Wertname „%1…“ ist länger als %2 Zeichen.")
                               .arg(name.left(40))
                               .arg(MaxValueNameLength));
    return {};
}

} // namespace penvaro::platform
