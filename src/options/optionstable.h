#pragma once

#include "platform/settingsfields.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace penvaro::options {

// The settings value a field edits.
using SettingsMember = platform::SettingsMember;

enum class FieldKind {
    Decimal, // a double, in the user's locale
    Whole,   // a 32-bit whole number
    Text,    // a string, taken as typed
    Choice,  // a bool or string, one radio button per value
};

// A radio button of a choice. For a bool value the first button stands for true.
struct ChoiceButton {
    const char *name;
    const char *caption;
    const char *value = nullptr; // the stored text of a string value
};

// What a field shows and accepts.
struct FieldRange {
    int decimals = 0;
    std::vector<ChoiceButton> choices;
    // A whole number that cannot be read gives this, without a message.
    std::optional<std::int32_t> fallback;
};

// How "OK" refuses a text it cannot read: the message is `before` + text + `after` with its
// error number, and the refusals are shown in the order of their rank.
struct Refusal {
    int rank = 0;
    std::int32_t code = 0;
    const char *before = "";
    const char *after = "";
};

// One value of the options dialog: enough to build its controls, fill them from the settings,
// read them back and refuse what cannot be read. Texts are UTF-8.
struct OptionField {
    SettingsMember member;
    const char *caption; // the label before the field; none for a choice
    const char *name;    // objectName of the field; none for a choice, whose buttons have theirs
    FieldKind kind;
    FieldRange range;
    const char *page;  // objectName of the page
    const char *group; // caption of the group box that holds the field
    const char *unit = nullptr;
    const char *unitName = nullptr; // objectName of the unit label, when one is needed
    Refusal refusal = {};
};

struct OptionsPage {
    const char *name;
    const char *caption;
};

// The pages in the order the list shows them.
const std::vector<OptionsPage> &OptionPages();
// The fields in the order they appear on their pages; a group holds consecutive fields.
const std::vector<OptionField> &OptionFields();
// Whether the field's value is stored with the open account file rather than with the program:
// with no account file open it could not be stored, so it cannot be changed.
bool InAccountFile(const OptionField &field);

} // namespace penvaro::options
