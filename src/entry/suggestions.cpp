#include "suggestions.h"

#include "platform/registrystore.h"
#include "platform/settingsstore.h"
#include "platform/textkeys.h"

#include <QCollator>
#include <QComboBox>

#include <algorithm>

namespace penvaro::entry {

namespace {

void fillBox(platform::RegistryStore &store, SuggestionList list, QComboBox *box) {
    auto entries = ReadSuggestions(store, list);
    if (!entries)
        return;
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(entries->begin(), entries->end(), collator);
    box->clear();
    box->addItems(*entries);
    // Adding items to an empty box would show the first one as if it had been typed.
    box->setCurrentIndex(-1);
    box->clearEditText();
}

} // namespace

QString SuggestionKey(SuggestionList list) {
    switch (list) {
    case SuggestionList::Purposes:
        return platform::ProductKey() + QStringLiteral("\\VAEB\\Verw");
    case SuggestionList::Parties:
        return platform::ProductKey() + QStringLiteral("\\VAEB\\AE");
    case SuggestionList::BookingTypes:
        break;
    }
    return platform::ProductKey() + QStringLiteral("\\VAEB\\Art");
}

void RememberSuggestions(platform::RegistryStore &store, const QString &purpose,
                         const QString &party, const QString &bookingType) {
    const std::pair<SuggestionList, const QString &> texts[] = {
        {SuggestionList::Purposes, purpose},
        {SuggestionList::Parties, party},
        {SuggestionList::BookingTypes, bookingType},
    };
    for (const auto &[list, text] : texts) {
        if (text.isEmpty())
            continue;
        // Keys are opened with creating, so an entry typed a second time changes nothing.
        static_cast<void>(platform::CreateTextKey(store, SuggestionKey(list), text));
    }
}

std::optional<QStringList> ReadSuggestions(platform::RegistryStore &store, SuggestionList list) {
    const QString key = SuggestionKey(list);
    if (!store.createKey(key))
        return std::nullopt;
    auto names = platform::SubkeyTexts(store, key);
    if (!names)
        return std::nullopt;
    return *names;
}

void ForgetSuggestion(platform::RegistryStore &store, SuggestionList list, const QString &entry) {
    if (entry.isEmpty())
        return;
    // The entry's own key name has no backslash, so nothing but the entry can be reached.
    static_cast<void>(
        store.deleteKey(SuggestionKey(list) + u'\\' + platform::KeyNameOfText(entry)));
}

void LoadSuggestions(platform::RegistryStore &store, const SuggestionBoxes &boxes) {
    fillBox(store, SuggestionList::Purposes, boxes.purposes);
    fillBox(store, SuggestionList::BookingTypes, boxes.bookingTypes);
    fillBox(store, SuggestionList::Parties, boxes.parties);
}

} // namespace penvaro::entry
