#include "companion.h"

#include "sqlite.h"

#include "core/bookingtexts.h"
#include "core/fileio.h"

#include <QFile>

#include <sqlite3.h>

#include <bit>
#include <unordered_map>
#include <vector>

namespace penvaro::platform {
namespace {

constexpr const char *Schema = R"sql(
CREATE TABLE IF NOT EXISTS booking_details (
    digest INTEGER NOT NULL, occurrence INTEGER NOT NULL, copies INTEGER NOT NULL,
    category TEXT NOT NULL, party TEXT NOT NULL, purpose TEXT NOT NULL,
    party_iban TEXT NOT NULL, party_bic TEXT NOT NULL, bank_reference TEXT NOT NULL,
    PRIMARY KEY (digest, occurrence));
CREATE TABLE IF NOT EXISTS import_references (
    reference TEXT PRIMARY KEY, day INTEGER NOT NULL);
CREATE TABLE IF NOT EXISTS account_values (
    area TEXT NOT NULL, key TEXT NOT NULL, value TEXT NOT NULL, PRIMARY KEY (area, key));
CREATE TABLE IF NOT EXISTS pending_change (
    id INTEGER PRIMARY KEY CHECK (id = 1), file_size INTEGER NOT NULL,
    file_hash INTEGER NOT NULL, kept_since INTEGER NOT NULL);
CREATE TABLE IF NOT EXISTS staged_details (
    digest INTEGER NOT NULL, occurrence INTEGER NOT NULL, copies INTEGER NOT NULL,
    removed INTEGER NOT NULL,
    category TEXT NOT NULL, party TEXT NOT NULL, purpose TEXT NOT NULL,
    party_iban TEXT NOT NULL, party_bic TEXT NOT NULL, bank_reference TEXT NOT NULL,
    PRIMARY KEY (digest, occurrence));
CREATE TABLE IF NOT EXISTS staged_references (
    reference TEXT PRIMARY KEY, day INTEGER NOT NULL);
CREATE TABLE IF NOT EXISTS staged_moves (
    written TEXT PRIMARY KEY, target TEXT NOT NULL);
)sql";

constexpr const char *ConfirmSql = R"sql(
DELETE FROM booking_details WHERE EXISTS (SELECT 1 FROM staged_details s
    WHERE s.digest = booking_details.digest AND s.occurrence = booking_details.occurrence);
INSERT INTO booking_details SELECT digest, occurrence, copies, category, party, purpose,
    party_iban, party_bic, bank_reference FROM staged_details WHERE removed = 0;
INSERT OR REPLACE INTO import_references SELECT reference, day FROM staged_references;
DELETE FROM import_references WHERE day < (SELECT kept_since FROM pending_change);
DELETE FROM staged_details;
DELETE FROM staged_references;
DELETE FROM staged_moves;
DELETE FROM pending_change;
)sql";

constexpr const char *DropSql = R"sql(
DELETE FROM staged_details;
DELETE FROM staged_references;
DELETE FROM staged_moves;
DELETE FROM pending_change;
)sql";

std::int64_t asColumn(std::uint64_t digest) {
    return std::bit_cast<std::int64_t>(digest);
}

QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string utf8(const QString &text) {
    return text.toStdString();
}

// Walks the records in file order with the key each has and the number of records of its bytes.
template<typename Visit>
void forEachKey(const core::BookingTable &table, Visit visit) {
    std::vector<std::uint64_t> digests;
    digests.reserve(static_cast<std::size_t>(table.count()));
    std::unordered_map<std::uint64_t, int> copies;
    copies.reserve(static_cast<std::size_t>(table.count()));
    for (const core::BookingRecord &r : table.used())
        ++copies[digests.emplace_back(core::RecordDigest(r))];
    std::unordered_map<std::uint64_t, int> seen;
    for (int slot = 1; slot <= table.count(); ++slot) {
        const std::uint64_t digest = digests[static_cast<std::size_t>(slot - 1)];
        visit(slot, Companion::TextKey{digest, seen[digest]++}, copies[digest]);
    }
}

// Binds the details after the key at 1 and 2, from index 3 on (with removed before them when
// the statement has it).
void bindDetails(SqliteStatement &statement, int first, const core::BookingDetails &d) {
    statement.bind(first, qt(d.category));
    statement.bind(first + 1, qt(d.party));
    statement.bind(first + 2, qt(d.purpose));
    statement.bind(first + 3, qt(d.partyIban));
    statement.bind(first + 4, qt(d.partyBic));
    statement.bind(first + 5, qt(d.bankReference));
}

} // namespace

std::filesystem::path Companion::PathOf(const std::filesystem::path &accountFile) {
    std::filesystem::path companion = accountFile;
    companion += ".pvdb";
    return companion;
}

Companion::Companion(sqlite3 *db, std::filesystem::path path)
    : m_db(db)
    , m_path(std::move(path)) {}

Companion::~Companion() {
    sqlite3_close(m_db);
}

core::Error Companion::failure(std::string_view doing) const {
    return {core::ErrorKind::Io, "Die Begleitdatei " + m_path.string() + " ließ sich nicht "
                                     + std::string(doing) + ": " + utf8(LastSqliteMessage(m_db))};
}

core::Result<std::unique_ptr<Companion>> Companion::Open(const std::filesystem::path &accountFile,
                                                         bool create) {
    const std::filesystem::path path = PathOf(accountFile);
    std::error_code ec;
    const bool exists = std::filesystem::exists(path, ec);
    if (!exists && !create)
        return std::unique_ptr<Companion>();
    // Created by hand, so that it is readable by its owner only, as the account file is.
    if (!exists) {
        if (auto created = core::CreateEmptyFile(path); !created)
            return created.error();
    }
    sqlite3 *db = nullptr;
    const int code = sqlite3_open_v2(QFile::encodeName(qt(path.string())).constData(), &db,
                                     SQLITE_OPEN_READWRITE, nullptr);
    std::unique_ptr<Companion> companion(new Companion(db, path));
    if (code != SQLITE_OK)
        return companion->failure("öffnen");
    sqlite3_busy_timeout(db, 5000);
    // A commit must be on the disk before the account file is written after it.
    Execute(db, "PRAGMA synchronous = FULL");
    if (auto schema = companion->createSchema(); !schema)
        return schema.error();
    if (auto texts = companion->loadTexts(); !texts)
        return texts.error();
    return companion;
}

core::Result<void> Companion::createSchema() {
    SqliteStatement version(m_db, "PRAGMA user_version");
    if (version.step() != SQLITE_ROW)
        return failure("lesen");
    const std::int64_t found = version.int64(0);
    if (found > SchemaVersion)
        return core::Error{core::ErrorKind::Invalid,
                           "Die Begleitdatei " + m_path.string()
                               + " stammt von einer neueren Programmversion (Schema "
                               + std::to_string(found) + ")."};
    if (found == SchemaVersion)
        return {};
    if (Execute(m_db, "BEGIN IMMEDIATE") != SQLITE_OK)
        return failure("anlegen");
    if (Execute(m_db, Schema) != SQLITE_OK
        || Execute(m_db, "PRAGMA user_version = 1") != SQLITE_OK) {
        const core::Error error = failure("anlegen");
        Execute(m_db, "ROLLBACK");
        return error;
    }
    if (Execute(m_db, "COMMIT") != SQLITE_OK)
        return failure("anlegen");
    return {};
}

core::Result<void> Companion::loadTexts() {
    m_texts.clear();
    SqliteStatement rows(m_db, "SELECT digest, occurrence, category, party, purpose, party_iban, "
                               "party_bic, bank_reference, copies FROM booking_details");
    int code = SQLITE_ROW;
    while ((code = rows.step()) == SQLITE_ROW) {
        const TextKey key{std::bit_cast<std::uint64_t>(rows.int64(0)),
                          static_cast<int>(rows.int64(1))};
        m_texts[key] = {{utf8(rows.text(2)), utf8(rows.text(3)), utf8(rows.text(4)),
                         utf8(rows.text(5)), utf8(rows.text(6)), utf8(rows.text(7))},
                        static_cast<int>(rows.int64(8))};
    }
    if (code != SQLITE_DONE)
        return failure("lesen");
    return {};
}

core::Result<void> Companion::settle(const std::optional<core::FileStamp> &onDisk) {
    SqliteStatement pending(m_db, "SELECT file_size, file_hash FROM pending_change");
    const int code = pending.step();
    if (code == SQLITE_DONE)
        return {};
    if (code != SQLITE_ROW)
        return failure("lesen");
    const core::FileStamp staged{static_cast<std::uint64_t>(pending.int64(0)),
                                 std::bit_cast<std::uint64_t>(pending.int64(1))};
    pending.reset();
    // The file was put in place after the change was staged: the change stands.
    if (onDisk && *onDisk == staged)
        return confirm();
    return drop();
}

void Companion::attach(core::BookingTable &table) const {
    if (m_texts.empty())
        return;
    forEachKey(table, [&](int slot, const TextKey &key, int copies) {
        const auto found = m_texts.find(key);
        if (found != m_texts.end() && found->second.copies == copies)
            table.slot(slot).details =
                std::make_shared<const core::BookingDetails>(found->second.details);
    });
}

core::Result<void> Companion::stage(const core::BookingTable &next, const core::FileStamp &stamp,
                                    const std::vector<std::string> &references, std::int32_t day,
                                    std::int32_t keptSince, const std::vector<FileMove> &moves) {
    std::map<TextKey, StoredDetails> live;
    forEachKey(next, [&](int slot, const TextKey &key, int copies) {
        if (const auto &details = next.slot(slot).details)
            live.emplace(key, StoredDetails{*details, copies});
    });
    if (Execute(m_db, "BEGIN IMMEDIATE") != SQLITE_OK)
        return failure("schreiben");
    auto fail = [&] {
        const core::Error error = failure("schreiben");
        Execute(m_db, "ROLLBACK");
        return error;
    };
    // A change left staged by a write that failed is over: the file on disk is not its.
    if (auto settled = settleMoves(false); !settled) {
        Execute(m_db, "ROLLBACK");
        return settled;
    }
    if (Execute(m_db, DropSql) != SQLITE_OK)
        return fail();
    {
        SqliteStatement change(m_db, "INSERT INTO pending_change VALUES (1, ?, ?, ?)");
        change.bind(1, static_cast<std::int64_t>(stamp.size));
        change.bind(2, asColumn(stamp.hash));
        change.bind(3, std::int64_t{keptSince});
        if (change.step() != SQLITE_DONE)
            return fail();
        SqliteStatement row(m_db,
                            "INSERT INTO staged_details VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        auto put = [&](const TextKey &key, bool removed, const StoredDetails &stored) {
            row.reset();
            row.bind(1, asColumn(key.first));
            row.bind(2, std::int64_t{key.second});
            row.bind(3, std::int64_t{stored.copies});
            row.bind(4, std::int64_t{removed ? 1 : 0});
            bindDetails(row, 5, stored.details);
            return row.step() == SQLITE_DONE;
        };
        for (const auto &[key, details] : live) {
            const auto stored = m_texts.find(key);
            if ((stored == m_texts.end() || stored->second != details) && !put(key, false, details))
                return fail();
        }
        for (const auto &[key, details] : m_texts) {
            if (!live.contains(key) && !put(key, true, details))
                return fail();
        }
        SqliteStatement reference(m_db, "INSERT OR REPLACE INTO staged_references VALUES (?, ?)");
        for (const std::string &key : references) {
            reference.reset();
            reference.bind(1, qt(key));
            reference.bind(2, std::int64_t{day});
            if (reference.step() != SQLITE_DONE)
                return fail();
        }
        SqliteStatement move(m_db, "INSERT INTO staged_moves VALUES (?, ?)");
        for (const FileMove &m : moves) {
            move.reset();
            move.bind(1, qt(m.written.string()));
            move.bind(2, qt(m.target.string()));
            if (move.step() != SQLITE_DONE)
                return fail();
        }
    }
    if (Execute(m_db, "COMMIT") != SQLITE_OK)
        return fail();
    return {};
}

core::Result<void> Companion::settleMoves(bool putInPlace) {
    SqliteStatement rows(m_db, "SELECT written, target FROM staged_moves");
    int code = SQLITE_ROW;
    while ((code = rows.step()) == SQLITE_ROW) {
        const std::filesystem::path written = utf8(rows.text(0));
        const std::filesystem::path target = utf8(rows.text(1));
        std::error_code ec;
        // Gone already: put in place before a crash, the settling is done again after it.
        if (!std::filesystem::exists(written, ec))
            continue;
        if (putInPlace)
            std::filesystem::rename(written, target, ec);
        else
            std::filesystem::remove(written, ec);
        if (ec)
            return core::Error{core::ErrorKind::Io,
                               "Die Datei " + target.string() + " ließ sich nicht "
                                   + (putInPlace ? "anlegen: " : "verwerfen: ") + ec.message()};
    }
    if (code != SQLITE_DONE)
        return failure("lesen");
    return {};
}

core::Result<void> Companion::confirm() {
    if (auto moved = settleMoves(true); !moved)
        return moved;
    if (Execute(m_db, "BEGIN IMMEDIATE") != SQLITE_OK)
        return failure("schreiben");
    if (Execute(m_db, ConfirmSql) != SQLITE_OK || Execute(m_db, "COMMIT") != SQLITE_OK) {
        const core::Error error = failure("schreiben");
        Execute(m_db, "ROLLBACK");
        return error;
    }
    return loadTexts();
}

core::Result<void> Companion::drop() {
    if (auto removed = settleMoves(false); !removed)
        return removed;
    if (Execute(m_db, "BEGIN IMMEDIATE") != SQLITE_OK)
        return failure("schreiben");
    if (Execute(m_db, DropSql) != SQLITE_OK || Execute(m_db, "COMMIT") != SQLITE_OK) {
        const core::Error error = failure("schreiben");
        Execute(m_db, "ROLLBACK");
        return error;
    }
    return {};
}

core::Result<std::set<std::string>> Companion::importReferences(std::int32_t keptSince) const {
    SqliteStatement rows(m_db, "SELECT reference FROM import_references WHERE day >= ?");
    rows.bind(1, std::int64_t{keptSince});
    std::set<std::string> references;
    int code = SQLITE_ROW;
    while ((code = rows.step()) == SQLITE_ROW)
        references.insert(utf8(rows.text(0)));
    if (code != SQLITE_DONE)
        return failure("lesen");
    return references;
}

core::Result<std::optional<std::string>> Companion::value(std::string_view area,
                                                          std::string_view key) const {
    SqliteStatement row(m_db, "SELECT value FROM account_values WHERE area = ? AND key = ?");
    row.bind(1, qt(area));
    row.bind(2, qt(key));
    const int code = row.step();
    if (code == SQLITE_ROW)
        return std::optional<std::string>(utf8(row.text(0)));
    if (code != SQLITE_DONE)
        return failure("lesen");
    return std::optional<std::string>();
}

core::Result<void> Companion::setValue(std::string_view area, std::string_view key,
                                       std::string_view value) {
    SqliteStatement row(m_db, "INSERT OR REPLACE INTO account_values VALUES (?, ?, ?)");
    row.bind(1, qt(area));
    row.bind(2, qt(key));
    row.bind(3, qt(value));
    if (row.step() != SQLITE_DONE)
        return failure("schreiben");
    return {};
}

} // namespace penvaro::platform
