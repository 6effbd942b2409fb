#include "pendingcheckday.h"

#include "registrystore.h"
#include "registryvalue.h"
#include "settingsstore.h"

#include "core/bookingrecord.h"
#include "core/fileio.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace penvaro::platform {
namespace {

const QString PendingDay = QStringLiteral("LMNeu");
const QString PendingStamp = QStringLiteral("LMStempel");

// The length and a hash (FNV-1a) of a file's bytes: any change another program makes shows.
class Stamp {
public:
    void add(std::span<const std::uint8_t> bytes) {
        for (const std::uint8_t byte : bytes) {
            m_hash ^= byte;
            m_hash *= 0x100000001b3ULL;
        }
        m_size += bytes.size();
    }
    QString text() const {
        return QStringLiteral("%1:%2").arg(m_size).arg(m_hash, 16, 16, QChar(u'0'));
    }

private:
    std::uint64_t m_size = 0;
    std::uint64_t m_hash = 0xcbf29ce484222325ULL;
};

QString stampAfterSaving(const core::BookingTable &table,
                         const std::vector<core::BookingRecord> &added) {
    Stamp stamp;
    std::array<std::uint8_t, core::BookingRecordSize> bytes{};
    const auto add = [&](core::BookingRecord record) {
        core::ScrambleTexts(record);
        core::EncodeBookingRecord(record, bytes);
        stamp.add(bytes);
    };
    for (const core::BookingRecord &record : table.used())
        add(record);
    for (const core::BookingRecord &record : added)
        add(record);
    return stamp.text();
}

// Only whole records count, as only they are loaded.
std::optional<QString> stampOnDisk(const std::filesystem::path &file) {
    const auto bytes = core::ReadRecords(file, core::BookingRecordSize,
                                         static_cast<std::size_t>(core::MaxBookings));
    if (!bytes)
        return std::nullopt;
    Stamp stamp;
    stamp.add(*bytes);
    return stamp.text();
}

} // namespace

core::Result<void> RecordPendingCheckDay(RegistryStore &store, const QString &accountFile,
                                         double nextCheckDay, const core::BookingTable &table,
                                         const std::vector<core::BookingRecord> &added) {
    const QString key = FileSettingsKey(store, accountFile);
    if (auto created = store.createKey(key); !created)
        return created;
    return store.setValues(key, {{PendingDay, BinaryFromDouble(nextCheckDay)},
                                 {PendingStamp, stampAfterSaving(table, added)}});
}

void ForgetPendingCheckDay(RegistryStore &store, const QString &accountFile) {
    const QString key = FileSettingsKey(store, accountFile);
    // A record that stays is settled at the next opening.
    (void)store.deleteValue(key, PendingDay);
    (void)store.deleteValue(key, PendingStamp);
}

core::Result<void> SettlePendingCheckDay(RegistryStore &store, const QString &accountFile,
                                         const std::filesystem::path &file) {
    const QString key = FileSettingsKey(store, accountFile);
    const auto exists = store.keyExists(key);
    if (!exists)
        return exists.error();
    if (!*exists)
        return {};
    const auto day = store.value(key, PendingDay);
    const auto stamp = store.value(key, PendingStamp);
    if (!day)
        return day.error();
    if (!stamp)
        return stamp.error();
    if (!*day && !*stamp)
        return {};
    const auto pendingDay = *day ? DoubleFromBinary(**day) : std::nullopt;
    const auto *pendingStamp = *stamp ? std::get_if<QString>(&**stamp) : nullptr;
    if (pendingDay && pendingStamp && stampOnDisk(file) == *pendingStamp) {
        if (auto taken = store.setValue(key, QStringLiteral("LM"), BinaryFromDouble(*pendingDay));
            !taken)
            return taken;
    }
    ForgetPendingCheckDay(store, accountFile);
    return {};
}

} // namespace penvaro::platform
