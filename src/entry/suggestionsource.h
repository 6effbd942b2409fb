#pragma once

#include <QStringList>

#include <optional>

namespace penvaro::entry {

// The three lists of texts typed before, offered again by the booking dialogs' combo boxes.
enum class SuggestionList {
    Purposes, // "Verwendungszweck"
    Types,    // "Art/Kategorie"
    Parties,  // "Empfänger/Absender"
};

// Where the dialogs read the suggestion lists from. The lists are shared by all account files
// and kept by the settings store; the dialogs only read them here.
class SuggestionSource {
public:
    virtual ~SuggestionSource() = default;

    // The stored entries of one list; nothing when the store cannot be opened, in which case
    // the combo box keeps the items it has.
    virtual std::optional<QStringList> LoadSuggestions(SuggestionList list) = 0;
};

} // namespace penvaro::entry
