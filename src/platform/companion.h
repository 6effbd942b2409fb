#pragma once

#include "core/bookingtable.h"
#include "core/result.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct sqlite3;

namespace penvaro::platform {

// The SQLite database beside an account file ("giro.p11" → "giro.p11.pvdb") that keeps what
// the file's records cannot: the bookings' details (BookingDetails), the bank references of
// imported entries, and values later features keep per account. A change of the account file
// and its companion is one commit: stage() records the change together with the stamp the file
// will have, the file is written, and confirm() makes the change part of the companion; a change
// that a crash left staged is settled at the next opening by the stamp of the file on disk.
class Companion {
public:
    // Details are tied to a record by the digest of its bytes and, among records of equal
    // bytes, by its place: the first, second, ... such record in file order. They count only
    // while the file holds as many records of those bytes as when they were stored: one that
    // another program changed or removed would otherwise hand its details to the next.
    using TextKey = std::pair<std::uint64_t, int>;
    struct StoredDetails {
        core::BookingDetails details;
        int copies = 0;

        friend bool operator==(const StoredDetails &, const StoredDetails &) = default;
    };

    static constexpr int SchemaVersion = 1;

    static std::filesystem::path PathOf(const std::filesystem::path &accountFile);

    // The companion of the account file; none when it has none and create is false.
    static core::Result<std::unique_ptr<Companion>> Open(const std::filesystem::path &accountFile,
                                                         bool create);
    ~Companion();
    Companion(const Companion &) = delete;
    Companion &operator=(const Companion &) = delete;

    // A staged change is confirmed when the file on disk has the stamp it recorded and dropped
    // otherwise. Only for the program that holds the file's lock.
    core::Result<void> settle(const std::optional<core::FileStamp> &onDisk);

    // Gives each record of the table the details stored for it.
    void attach(core::BookingTable &table) const;

    // A file written beside its target that is to take the target's place with the change
    // (a SEPA file with its bookings): put in place when the change stands, removed when not.
    struct FileMove {
        std::filesystem::path written;
        std::filesystem::path target;
    };

    // Records the change that makes the file hold the table's records with the stamp: their
    // details, the import references with the day they were imported on, and the files to be
    // put in place. Import references imported before keptSince go at the confirmation.
    core::Result<void> stage(const core::BookingTable &next, const core::FileStamp &stamp,
                             const std::vector<std::string> &references, std::int32_t day,
                             std::int32_t keptSince, const std::vector<FileMove> &moves = {});
    core::Result<void> confirm();
    core::Result<void> drop();

    // The import references imported on keptSince or later.
    core::Result<std::set<std::string>> importReferences(std::int32_t keptSince) const;

    // A place for what later features keep per account, by area and key.
    core::Result<std::optional<std::string>> value(std::string_view area,
                                                   std::string_view key) const;
    core::Result<void> setValue(std::string_view area, std::string_view key,
                                std::string_view value);

    const std::filesystem::path &path() const { return m_path; }

private:
    Companion(sqlite3 *db, std::filesystem::path path);
    core::Result<void> createSchema();
    core::Result<void> loadTexts();
    // Puts the staged files in place (confirm) or removes them; done again after a crash.
    core::Result<void> settleMoves(bool putInPlace);
    core::Error failure(std::string_view doing) const;

    sqlite3 *m_db;
    std::filesystem::path m_path;
    std::map<TextKey, StoredDetails> m_texts;
};

} // namespace penvaro::platform
