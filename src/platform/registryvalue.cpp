#include "registryvalue.h"

#include <QtEndian>

#include <bit>

namespace penvaro::platform {

RegistryType TypeOf(const RegistryValue &value) {
    switch (value.index()) {
    case 0:
        return RegistryType::String;
    case 1:
        return RegistryType::Integer;
    default:
        return RegistryType::Binary;
    }
}

RegistryValue BinaryFromDouble(double number) {
    QByteArray bytes(8, '\0');
    qToLittleEndian(std::bit_cast<quint64>(number), bytes.data());
    return bytes;
}

std::optional<double> DoubleFromBinary(const RegistryValue &value) {
    const auto *bytes = std::get_if<QByteArray>(&value);
    if (bytes == nullptr || bytes->size() != 8)
        return std::nullopt;
    return std::bit_cast<double>(qFromLittleEndian<quint64>(bytes->constData()));
}

} // namespace penvaro::platform
