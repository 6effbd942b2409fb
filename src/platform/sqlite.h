#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

struct sqlite3;
struct sqlite3_stmt;

namespace penvaro::platform {

// A prepared statement that finalizes itself. Binding indices and columns count from 1 and 0 as
// in the SQLite C API.
class SqliteStatement {
public:
    SqliteStatement(sqlite3 *db, const char *sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;

    // The result code of preparing; SQLITE_OK when the statement can run.
    int prepareCode() const { return m_prepareCode; }

    void bind(int index, std::int64_t number);
    void bind(int index, const QString &text);
    void bind(int index, const QByteArray &bytes);
    void bindNull(int index);

    // SQLITE_ROW, SQLITE_DONE or an error code.
    int step();
    void reset();

    int columnType(int column) const;
    std::int64_t int64(int column) const;
    QString text(int column) const;
    QByteArray blob(int column) const;

private:
    sqlite3_stmt *m_statement = nullptr;
    int m_prepareCode = 0;
};

// Runs a statement that returns no rows; returns the SQLite result code.
int Execute(sqlite3 *db, const char *sql);

QString LastSqliteMessage(sqlite3 *db);

} // namespace penvaro::platform
