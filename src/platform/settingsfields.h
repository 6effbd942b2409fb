#pragma once

#include "core/settings.h"

#include <QStringView>

#include <span>
#include <string>
#include <variant>

namespace penvaro::platform {

// Where each value of the settings record lives, under which name and of which stored type.
// Floats and dates are both doubles held as 8-byte binary values.
using SettingsMember = std::variant<std::string core::Settings::*, std::int32_t core::Settings::*,
                                    bool core::Settings::*, double core::Settings::*>;

struct SettingsField {
    QStringView name;
    SettingsMember member;
    bool written = true; // false for the values that other windows write themselves
};

std::span<const SettingsField> ProgramSettingsFields();
std::span<const SettingsField> FileSettingsFields();

} // namespace penvaro::platform
