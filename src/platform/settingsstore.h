#pragma once

#include "core/result.h"
#include "core/settings.h"

#include <QString>

#include <cstdint>

namespace penvaro::platform {

class RegistryStore;
class UiService;

// The key of the program-wide settings, below which everything else of the program lives.
QString ProductKey();
// The key of one account file's settings: the product key, a backslash and the file's full
// path, or a name made from the path for one that cannot be a key name or whose name the store
// already holds in another spelling, so that every path Linux allows has a key of its own.
QString FileSettingsKey(const RegistryStore &store, const QString &accountFile);

// How a failed access to the settings store is shown: its number in the error window, unless
// the store could not be opened at all; the user was told that once at start, with the reason,
// and the program runs on the values in memory.
void ShowRegistryError(UiService &ui, const RegistryStore &store, std::int32_t code,
                       const QString &text = QStringLiteral("Registry-Fehler"));

inline constexpr std::int32_t ErrorSaveSettings = 311;
inline constexpr std::int32_t ErrorLoadSettings = 312;
inline constexpr std::int32_t ErrorSaveLastFileName = 313;

// The values kept for one account file, read as load() reads them, for a command that
// works on a file without making it the current one; the program-wide values keep their
// defaults. A file without a key of its own, or a store that cannot be read, gives defaults.
core::Settings ReadAccountFileSettings(const RegistryStore &store, const QString &accountFile);

// The settings record of the running program and its loading from and saving to the store.
// The current account file is the record's accountFile; its settings are read and written in that
// file's own key. Failures of the program-wide key are shown in the error window; those of the
// file's key are ignored, the values in memory stay. A store that cannot be used at all is
// not touched.
class SettingsStore {
public:
    SettingsStore(RegistryStore &store, UiService &ui);

    core::Settings &settings() { return m_settings; }
    const core::Settings &settings() const { return m_settings; }

    // Missing or mistyped values give their defaults; a missing text reads as empty.
    void load();
    // Writes everything except the window size and state and the program folder, which the
    // main window writes itself.
    void save();
    void saveLastFileName();
    // The window size and state ("Breite", "Hoehe", "WindowState") as the record holds them.
    core::Result<void> saveWindowSize();
    // A file open read-only leaves its own settings to the program that writes it.
    void setFileSettingsWritable(bool writable) { m_fileSettingsWritable = writable; }

private:
    RegistryStore &m_store;
    UiService &m_ui;
    core::Settings m_settings;
    core::Settings m_defaults;
    bool m_fileSettingsWritable = true;
};

} // namespace penvaro::platform
