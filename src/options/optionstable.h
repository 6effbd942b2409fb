#pragma once

#include "core/settings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace penvaro::options {

// The settings value a field edits.
using SettingsMember = std::variant<double core::Settings::*, std::int32_t core::Settings::*,
                                    bool core::Settings::*, std::string core::Settings::*>;

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

// Whether a value is the program's or the open account file's: the latter cannot be changed
// while no account file is open.
enum class Scope { Program, AccountFile };

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
    Scope scope = Scope::Program;
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

} // namespace penvaro::options
