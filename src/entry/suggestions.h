#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QComboBox;

namespace penvaro::platform {
class RegistryStore;
} // namespace penvaro::platform

namespace penvaro::entry {

// Everything ever typed as purpose, sender or recipient and booking type is offered again by
// the booking dialogs of every account file. Each entry is an empty subkey of its list's key,
// so the lists follow the rules of key names: no two entries that differ only in case (the
// first spelling stays), a backslash nests a deeper key (only the part before it is listed),
// and a text that cannot be a key name is not kept.
enum class SuggestionList { Purposes, Parties, BookingTypes };

QString SuggestionKey(SuggestionList list);

// Adds the three texts as typed; a text that cannot be stored is skipped without a word.
void RememberSuggestions(platform::RegistryStore &store, const QString &purpose,
                         const QString &party, const QString &bookingType);

// The entries in the order the store lists them; nothing when the list cannot be opened.
std::optional<QStringList> ReadSuggestions(platform::RegistryStore &store, SuggestionList list);

// Removes one entry. Fails quietly: the refilled list then still shows it.
void ForgetSuggestion(platform::RegistryStore &store, SuggestionList list, const QString &entry);

struct SuggestionBoxes {
    QComboBox *purposes = nullptr;
    QComboBox *bookingTypes = nullptr;
    QComboBox *parties = nullptr;
};

// Empties each box, its typed text included, and fills it with its list in alphabetical
// order. A box whose list cannot be opened keeps what it holds.
void LoadSuggestions(platform::RegistryStore &store, const SuggestionBoxes &boxes);

} // namespace penvaro::entry
