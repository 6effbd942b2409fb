#include "textkeys.h"

#include "registrystore.h"

namespace penvaro::platform {
namespace {

constexpr char16_t StandIn = u'\uFF3C';
const QString TextValue = QStringLiteral("Text");

} // namespace

QString KeyNameOfText(const QString &text) {
    QString name = text;
    name.replace(u'\\', StandIn);
    return name;
}

core::Result<QString> CreateTextKey(RegistryStore &store, const QString &parent,
                                    const QString &text) {
    const QString key = parent + u'\\' + KeyNameOfText(text);
    if (auto created = store.createKey(key); !created)
        return created.error();
    if (text.contains(u'\\')) {
        if (auto written = store.setValue(key, TextValue, text); !written)
            return written.error();
    }
    return key;
}

core::Result<QStringList> SubkeyTexts(const RegistryStore &store, const QString &parent) {
    auto names = store.subkeyNames(parent);
    if (!names)
        return names;
    for (QString &name : *names) {
        // Only the keys of texts with a backslash carry the text as a value.
        if (!name.contains(StandIn))
            continue;
        auto text = store.value(parent + u'\\' + name, TextValue);
        if (!text)
            return text.error();
        if (*text && std::holds_alternative<QString>(**text))
            name = std::get<QString>(**text);
    }
    return names;
}

} // namespace penvaro::platform
