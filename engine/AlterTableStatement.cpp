#include "engine/StatementRunners.h"

#include "engine/DeclaredType.h"
#include "engine/JetErrors.h"
#include "engine/Savepoint.h"

namespace engine {

namespace {

// Keeps the connection's defensive mode off while it lives, and writing to the schema on.
class SchemaWrite
{
public:
    explicit SchemaWrite(sqlite3* db) : m_db(db)
    {
        sqlite3_db_config(m_db, SQLITE_DBCONFIG_DEFENSIVE, 0, nullptr);
        execSql(m_db, "PRAGMA writable_schema = ON");
    }
    SchemaWrite(const SchemaWrite&) = delete;
    SchemaWrite& operator=(const SchemaWrite&) = delete;
    ~SchemaWrite()
    {
        // RESET also makes the connection read the schema afresh.
        sqlite3_exec(m_db, "PRAGMA writable_schema = RESET", nullptr, nullptr, nullptr);
        sqlite3_db_config(m_db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    }

private:
    sqlite3* m_db;
};

std::string storedSql(sqlite3* db, const std::string& table)
{
    Statement read(db, "SELECT sql FROM sqlite_schema WHERE type = 'table' AND name = ?1");
    read.bindText(1, table);
    return read.step() ? read.columnText(0).value_or(std::string()) : std::string();
}

// SQLite keeps a column's declared type only in the table's stored CREATE TABLE text, and has no
// statement to change it: the text is changed in place, as SQLite's documentation describes for
// changes that leave the stored rows as they are. A memo has the same text affinity as the text
// column it was, so no row, index or constraint needs anything else.
void setDeclaredType(sqlite3* db, const std::string& table, const std::string& sql)
{
    Savepoint savepoint(db, "tandera_memo");
    std::int64_t version = 0;
    {
        Statement read(db, "PRAGMA schema_version");
        version = read.step() ? read.columnInt64(0) : 0;
    }
    {
        const SchemaWrite write(db);
        Statement update(db,
                         "UPDATE sqlite_schema SET sql = ?1 WHERE type = 'table' AND name = ?2");
        update.bindText(1, sql);
        update.bindText(2, table);
        update.step();
        // Other connections see the change by the version, as after any change of schema.
        execSql(db, ("PRAGMA schema_version = " + std::to_string(version + 1)).c_str());
    }
    savepoint.release();
}

} // namespace

// The column becomes a memo and keeps its rows, indexes and constraints; a memo already stays as
// it is.
std::int64_t runAlterToMemo(Session& session, const ReadStatement& statement)
{
    const TableDefinition definition = requireTable(session, statement.table).definition;
    const auto index = definition.findColumn(statement.column);
    if (!index)
        throw jet::fieldNotFound(statement.column, definition.name);
    if (definition.columns[*index].type.kind == ColumnType::Kind::Memo)
        return 0;

    // The table's prepared insert goes with its old shape, whatever happens below.
    session.catalog.invalidate();
    sqlite3* db = session.db.get();
    try {
        const std::string sql = storedSql(db, definition.name);
        // A STRICT table takes only SQLite's own type names; TEXT is its memo.
        const auto edited = withDeclaredType(
            sql, definition.columns[*index].name,
            isStrictTable(sql) ? "TEXT" : sqliteDeclaration({ColumnType::Kind::Memo, 0}));
        if (!edited)
            throw jet::fieldNotFound(statement.column, definition.name);
        setDeclaredType(db, definition.name, *edited);
    } catch (const SqliteError& error) {
        throw jet::fromSqlite(error, session.path, definition.name);
    }
    return 0;
}

} // namespace engine
