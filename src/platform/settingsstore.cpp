#include "settingsstore.h"

#include "programfolder.h"
#include "registrystore.h"
#include "settingsfields.h"
#include "startpassword.h"
#include "uiservice.h"

#include <QCryptographicHash>
#include <QHash>

#include <cmath>

namespace penvaro::platform {

namespace {

template<typename... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};

// A stored value of the wrong type counts as missing except for texts: a missing text reads
// as empty, a text of another type as its default.
void ReadField(const std::optional<RegistryValue> &stored, const SettingsField &field,
               core::Settings &settings, const core::Settings &defaults) {
    std::visit(Overloaded{
                   [&](std::string core::Settings::*member) {
                       if (!stored)
                           settings.*member = {};
                       else if (const auto *text = std::get_if<QString>(&*stored))
                           settings.*member = text->toStdString();
                       else
                           settings.*member = defaults.*member;
                   },
                   [&](std::int32_t core::Settings::*member) {
                       const auto *number = stored ? std::get_if<std::int32_t>(&*stored) : nullptr;
                       settings.*member = number != nullptr ? *number : defaults.*member;
                   },
                   [&](bool core::Settings::*member) {
                       const auto *number = stored ? std::get_if<std::int32_t>(&*stored) : nullptr;
                       settings.*member = number != nullptr ? *number != 0 : defaults.*member;
                   },
                   [&](double core::Settings::*member) {
                       // An infinite or undefined number would spread into every sum and rate.
                       const auto number = stored ? DoubleFromBinary(*stored) : std::nullopt;
                       settings.*member =
                           number && std::isfinite(*number) ? *number : defaults.*member;
                   },
               },
               field.member);
}

RegistryValue StoredValue(const SettingsField &field, const core::Settings &settings) {
    return std::visit(
        Overloaded{
            [&](std::string core::Settings::*member) -> RegistryValue {
                return QString::fromStdString(settings.*member);
            },
            [&](std::int32_t core::Settings::*member) -> RegistryValue { return settings.*member; },
            [&](bool core::Settings::*member) -> RegistryValue {
                return std::int32_t{settings.*member ? 1 : 0};
            },
            [&](double core::Settings::*member) -> RegistryValue {
                return BinaryFromDouble(settings.*member);
            },
        },
        field.member);
}

void ReadFields(const RegistryStore &store, const QString &key,
                std::span<const SettingsField> fields, core::Settings &settings,
                const core::Settings &defaults) {
    // One reading of the whole key: a query per field made up a good part of the start.
    QHash<QString, RegistryValue> stored;
    if (auto values = store.values(key)) {
        for (NamedValue &value : *values)
            stored.insert(value.name.toCaseFolded(), std::move(value.value));
    }
    for (const SettingsField &field : fields) {
        const auto found = stored.constFind(field.name.toString().toCaseFolded());
        ReadField(found == stored.cend() ? std::nullopt : std::optional<RegistryValue>(*found),
                  field, settings, defaults);
    }
}

std::vector<NamedValue> WrittenValues(std::span<const SettingsField> fields,
                                      const core::Settings &settings) {
    std::vector<NamedValue> values;
    for (const SettingsField &field : fields) {
        if (field.written)
            values.push_back({field.name.toString(), StoredValue(field, settings)});
    }
    return values;
}

void ReadFileFields(const RegistryStore &store, const QString &fileKey, core::Settings &settings,
                    const core::Settings &defaults) {
    ReadFields(store, fileKey, FileSettingsFields(), settings, defaults);
    if (settings.nationalCurrency.empty())
        settings.nationalCurrency = defaults.nationalCurrency;
    // Without statement data there is nothing to sort by but the value date.
    if (!settings.keepStatementData)
        settings.completedOrder = "wd";
}

} // namespace

void ShowRegistryError(UiService &ui, const RegistryStore &store, std::int32_t code,
                       const QString &text) {
    if (store.usable())
        ShowError(ui, code, text);
}

QString ProductKey() {
    return QStringLiteral("SOFTWARE\\Tarvel SoftLabs\\Penvaro98");
}

QString FileSettingsKey(const RegistryStore &store, const QString &accountFile) {
    // The path itself names the key, as it always has. A path that cannot be one key name (a
    // backslash would split it into levels, a key name has at most 255 characters) is named by
    // "#" and the SHA-256 of its UTF-8 bytes instead: no absolute path begins with "#", and no
    // two paths share a hash.
    const QString hashed =
        ProductKey() + QStringLiteral("\\#")
        + QString::fromLatin1(
            QCryptographicHash::hash(accountFile.toUtf8(), QCryptographicHash::Sha256).toHex());
    if (accountFile.contains(u'\\') || accountFile.size() > RegistryStore::MaxKeyNameLength)
        return hashed;
    // Key names compare regardless of case, paths do not: a path whose key is held by another
    // spelling of it takes the hashed name, and keeps it once it has it, so that "Giro.p11" and
    // "giro.p11" never share settings.
    if (const auto hashedExists = store.keyExists(hashed); hashedExists && *hashedExists)
        return hashed;
    const QString plain = ProductKey() + u'\\' + accountFile;
    if (const auto spelling = store.keySpelling(plain);
        spelling && spelling->has_value() && **spelling != accountFile)
        return hashed;
    return plain;
}

core::Settings ReadAccountFileSettings(const RegistryStore &store, const QString &accountFile) {
    const core::Settings defaults;
    core::Settings settings = defaults;
    const QString fileKey = FileSettingsKey(store, accountFile);
    if (const auto exists = store.keyExists(fileKey); exists && *exists)
        ReadFileFields(store, fileKey, settings, defaults);
    return settings;
}

SettingsStore::SettingsStore(RegistryStore &store, UiService &ui)
    : m_store(store)
    , m_ui(ui) {
    m_defaults.programFolder = ProgramFolder().toStdString();
    m_settings.programFolder = m_defaults.programFolder;
}

void SettingsStore::load() {
    if (!m_store.usable())
        return;
    if (m_store.createKey(ProductKey())) {
        // Where it fails, the scrambled password still lets the program start; the next
        // reading tries again.
        (void)ConvertStoredStartPassword(m_store);
        ReadFields(m_store, ProductKey(), ProgramSettingsFields(), m_settings, m_defaults);
        if (m_settings.tableFontName.empty())
            m_settings.tableFontName = m_defaults.tableFontName;
        // Without a stored folder the register would land in whatever folder the program was
        // started from.
        if (m_settings.programFolder.empty())
            m_settings.programFolder = m_defaults.programFolder;
        // A name ending in "8" belongs to the oldest edition, whose files cannot be read.
        if (m_settings.accountFile.ends_with('8'))
            m_settings.accountFile.clear();
    } else {
        ShowRegistryError(m_ui, m_store, ErrorLoadSettings);
    }

    // Without a current file there is no key of its own; its values stay as they are.
    if (m_settings.accountFile.empty())
        return;
    const QString fileKey =
        FileSettingsKey(m_store, QString::fromStdString(m_settings.accountFile));
    if (!m_store.createKey(fileKey))
        return;
    ReadFileFields(m_store, fileKey, m_settings, m_defaults);
}

void SettingsStore::save() {
    if (!m_store.usable())
        return;
    if (!m_store.createKey(ProductKey())
        || !m_store.setValues(ProductKey(), WrittenValues(ProgramSettingsFields(), m_settings)))
        ShowRegistryError(m_ui, m_store, ErrorSaveSettings);

    if (m_settings.accountFile.empty() || !m_fileSettingsWritable)
        return;
    const QString fileKey =
        FileSettingsKey(m_store, QString::fromStdString(m_settings.accountFile));
    if (!m_store.createKey(fileKey))
        return;
    // A failure here is ignored like a key that cannot be opened: the values stay in memory.
    static_cast<void>(m_store.setValues(fileKey, WrittenValues(FileSettingsFields(), m_settings)));
}

void SettingsStore::saveLastFileName() {
    if (!m_store.createKey(ProductKey())
        || !m_store.setValue(ProductKey(), QStringLiteral("Datei"),
                             QString::fromStdString(m_settings.accountFile)))
        ShowRegistryError(m_ui, m_store, ErrorSaveLastFileName);
}

core::Result<void> SettingsStore::saveWindowSize() {
    return m_store.setValues(ProductKey(), {{QStringLiteral("WindowState"),
                                             QString::fromStdString(m_settings.windowState)},
                                            {QStringLiteral("Breite"), m_settings.windowWidth},
                                            {QStringLiteral("Hoehe"), m_settings.windowHeight}});
}

} // namespace penvaro::platform
