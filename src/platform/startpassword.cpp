#include "startpassword.h"

#include "registrystore.h"
#include "settingsstore.h"

#include "core/password.h"

#include <sodium.h>

namespace penvaro::platform {
namespace {

const QString ValueName = QStringLiteral("Tabellenformat");

bool isHash(const std::string &stored) {
    return stored.starts_with(crypto_pwhash_argon2id_STRPREFIX);
}

// The password an old scrambled value stands for; the scrambling is its own inverse.
QString unscrambled(const std::string &stored) {
    return QString::fromStdU16String(
        core::TransformPassword(QString::fromStdString(stored).toStdU16String()));
}

} // namespace

core::Result<std::string> HashStartPassword(const QString &password) {
    if (password.isEmpty())
        return std::string();
    const QByteArray text = password.toUtf8();
    char hash[crypto_pwhash_STRBYTES];
    if (sodium_init() < 0
        || crypto_pwhash_str_alg(hash, text.constData(),
                                 static_cast<unsigned long long>(text.size()),
                                 crypto_pwhash_OPSLIMIT_INTERACTIVE,
                                 crypto_pwhash_MEMLIMIT_INTERACTIVE, crypto_pwhash_ALG_ARGON2ID13)
               != 0)
        return core::Error{core::ErrorKind::Io,
                           "Das Passwort kann nicht gespeichert werden: Für seine Verschlüsselung "
                           "ist nicht genug Arbeitsspeicher frei."};
    return std::string(hash);
}

bool StartPasswordMatches(const std::string &stored, const QString &typed) {
    if (!isHash(stored))
        return typed == unscrambled(stored);
    const QByteArray text = typed.toUtf8();
    return sodium_init() >= 0
           && crypto_pwhash_str_verify(stored.c_str(), text.constData(),
                                       static_cast<unsigned long long>(text.size()))
                  == 0;
}

core::Result<void> ConvertStoredStartPassword(RegistryStore &store) {
    const auto exists = store.keyExists(ProductKey());
    if (!exists)
        return exists.error();
    if (!*exists)
        return {};
    const auto value = store.value(ProductKey(), ValueName);
    if (!value)
        return value.error();
    const QString *text = *value ? std::get_if<QString>(&**value) : nullptr;
    if (!text || text->isEmpty() || isHash(text->toStdString()))
        return {};
    const auto hash = HashStartPassword(unscrambled(text->toStdString()));
    if (!hash)
        return hash.error();
    return store.setValue(ProductKey(), ValueName, QString::fromStdString(*hash));
}

} // namespace penvaro::platform
