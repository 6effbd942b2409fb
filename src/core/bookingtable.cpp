#include "bookingtable.h"

#include <algorithm>

namespace penvaro::core {

std::uint64_t RecordBytesDigest(std::span<const std::uint8_t> bytes) {
    // FNV-1a over little-endian 64-bit words: fixed by its definition, so that a digest written
    // into the companion file today is the one computed next year, and eight times faster than
    // byte by byte, which a 50,000-record file feels at every change.
    std::uint64_t digest = 0xcbf29ce484222325ULL ^ bytes.size();
    std::size_t at = 0;
    for (; at + 8 <= bytes.size(); at += 8) {
        std::uint64_t word = 0;
        for (std::size_t i = 0; i < 8; ++i)
            word |= std::uint64_t{bytes[at + i]} << (8 * i);
        digest = (digest ^ word) * 0x100000001b3ULL;
        digest ^= digest >> 29;
    }
    for (; at < bytes.size(); ++at)
        digest = (digest ^ bytes[at]) * 0x100000001b3ULL;
    return digest;
}

FileStamp ExtendStamp(const FileStamp &stamp, std::uint64_t recordDigest) {
    return {stamp.size + BookingRecordSize,
            (stamp.hash ^ recordDigest) * 0x9E3779B97F4A7C15ULL + 0x632BE59BD9B4E019ULL};
}

FileStamp StampOfBytes(std::span<const std::uint8_t> bytes) {
    FileStamp stamp;
    for (std::size_t at = 0; at < bytes.size(); at += BookingRecordSize) {
        const std::size_t length = std::min(BookingRecordSize, bytes.size() - at);
        stamp = ExtendStamp(stamp, RecordBytesDigest(bytes.subspan(at, length)));
    }
    stamp.size = bytes.size();
    return stamp;
}

std::string MaxBookingsText() {
    std::string digits = std::to_string(MaxBookings);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), 1, '.');
    return digits;
}

bool IsListedIn(Listing listing, BookingKind kind) {
    switch (listing) {
    case Listing::Completed:
        return kind == BookingKind::StartValue || kind == BookingKind::Completed;
    case Listing::Planned:
        return kind == BookingKind::Planned;
    case Listing::Recurring:
        return kind == BookingKind::Recurring;
    }
    return false;
}

int SlotOf(const BookingTable &table, const BookingRecord &record) {
    const auto used = table.used();
    const auto found = std::find(used.begin(), used.end(), record);
    return found == used.end() ? 0 : static_cast<int>(found - used.begin()) + 1;
}

std::vector<int> ListedSlots(const BookingTable &table, Listing listing) {
    std::vector<int> slots;
    for (int slot = 1; slot <= table.count(); ++slot) {
        if (IsListedIn(listing, table.slot(slot).Satzart))
            slots.push_back(slot);
    }
    return slots;
}

} // namespace penvaro::core
