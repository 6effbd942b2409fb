#include "sqlite.h"

#include <sqlite3.h>

namespace penvaro::platform {

SqliteStatement::SqliteStatement(sqlite3 *db, const char *sql)
    : m_prepareCode(sqlite3_prepare_v2(db, sql, -1, &m_statement, nullptr)) {}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(m_statement);
}

void SqliteStatement::bind(int index, std::int64_t number) {
    sqlite3_bind_int64(m_statement, index, number);
}

void SqliteStatement::bind(int index, const QString &text) {
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(m_statement, index, utf8.constData(), static_cast<int>(utf8.size()),
                      SQLITE_TRANSIENT);
}

void SqliteStatement::bind(int index, const QByteArray &bytes) {
    // A zero-length blob must stay a blob, not become NULL.
    sqlite3_bind_blob(m_statement, index, bytes.isEmpty() ? "" : bytes.constData(),
                      static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
}

void SqliteStatement::bindNull(int index) {
    sqlite3_bind_null(m_statement, index);
}

int SqliteStatement::step() {
    if (m_prepareCode != SQLITE_OK)
        return m_prepareCode;
    return sqlite3_step(m_statement);
}

void SqliteStatement::reset() {
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
}

int SqliteStatement::columnType(int column) const {
    return sqlite3_column_type(m_statement, column);
}

std::int64_t SqliteStatement::int64(int column) const {
    return sqlite3_column_int64(m_statement, column);
}

QString SqliteStatement::text(int column) const {
    const auto *chars = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
    return QString::fromUtf8(chars, sqlite3_column_bytes(m_statement, column));
}

QByteArray SqliteStatement::blob(int column) const {
    const auto *bytes = static_cast<const char *>(sqlite3_column_blob(m_statement, column));
    return QByteArray(bytes, sqlite3_column_bytes(m_statement, column));
}

int Execute(sqlite3 *db, const char *sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

QString LastSqliteMessage(sqlite3 *db) {
    return QString::fromUtf8(sqlite3_errmsg(db));
}

} // namespace penvaro::platform
