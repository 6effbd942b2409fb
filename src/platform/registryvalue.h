#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace penvaro::platform {

// The three kinds of value the settings use: a text, a 32-bit number and raw bytes. Floats and
// dates travel as 8 bytes of binary holding a little-endian IEEE double.
using RegistryValue = std::variant<QString, std::int32_t, QByteArray>;

enum class RegistryType {
    String = 1,  // REG_SZ
    Binary = 3,  // REG_BINARY
    Integer = 4, // REG_DWORD
};

RegistryType TypeOf(const RegistryValue &value);

RegistryValue BinaryFromDouble(double number);
// Only a binary value of exactly 8 bytes holds a double.
std::optional<double> DoubleFromBinary(const RegistryValue &value);

struct NamedValue {
    QString name;
    RegistryValue value;

    friend bool operator==(const NamedValue &, const NamedValue &) = default;
};

// One key of a tree read from or written to the store, with its path below HKEY_LOCAL_MACHINE.
struct KeyContents {
    QString path;
    std::vector<NamedValue> values;

    friend bool operator==(const KeyContents &, const KeyContents &) = default;
};

} // namespace penvaro::platform
