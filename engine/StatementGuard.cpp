#include "engine/StatementGuard.h"

#include "engine/AsciiCase.h"
#include "engine/DatabaseFormat.h"
#include "engine/JetErrors.h"

#include <algorithm>
#include <initializer_list>

namespace engine {

namespace {

bool isOneOf(const char* name, std::initializer_list<std::string_view> names)
{
    return name && std::any_of(names.begin(), names.end(), [name](std::string_view candidate) {
               return equalsIgnoringAsciiCase(name, candidate);
           });
}

// Jet's aggregates and LIKE, the length the memo step checks sizes with, typeof for reading
// back storage classes, and the functions SQLite's own ALTER TABLE ... RENAME and DROP run.
bool isNeededFunction(const char* name)
{
    return isOneOf(name, {"count", "sum", "avg", "min", "max", "like", "length", "typeof", "substr",
                          "sqlite_rename_table", "sqlite_rename_test"});
}

// The catalog reads table shapes through these; no other pragma is part of the dialect.
bool isNeededPragma(const char* name, const char* argument)
{
    if (isOneOf(name, {"table_info", "index_list"}))
        return argument != nullptr;
    return isOneOf(name, {"schema_version"}) && argument == nullptr;
}

bool namesPasswordTable(const char* first, const char* second)
{
    return isOneOf(first, {format::PasswordTable}) || isOneOf(second, {format::PasswordTable});
}

bool isSchemaTable(const char* name)
{
    return isOneOf(name,
                   {"sqlite_master", "sqlite_schema", "sqlite_temp_master", "sqlite_temp_schema"});
}

bool isPragmaTable(const char* name)
{
    constexpr std::string_view Prefix = "pragma_";
    const std::string_view table = name ? name : "";
    return table.size() > Prefix.size() &&
           equalsIgnoringAsciiCase(table.substr(0, Prefix.size()), Prefix);
}

} // namespace

void StatementGuard::install(sqlite3* db)
{
    sqlite3_set_authorizer(db, &StatementGuard::authorize, this);
}

int StatementGuard::authorize(void* guard, int action, const char* first, const char* second,
                              const char*, const char*)
{
    auto& self = *static_cast<StatementGuard*>(guard);
    if (self.allows(action, first, second))
        return SQLITE_OK;
    self.m_refused = true;
    self.m_action = action;
    try { // nothing may leave a callback of SQLite's
        self.m_name = action == SQLITE_FUNCTION ? (second ? second : "") : (first ? first : "");
        if (namesPasswordTable(first, second))
            self.m_name = format::PasswordTable;
    } catch (...) {
        self.m_name.clear();
    }
    return SQLITE_DENY;
}

bool StatementGuard::allows(int action, const char* first, const char* second) const
{
    if (namesPasswordTable(first, second))
        return false;
    switch (action) {
    case SQLITE_SELECT:
    case SQLITE_TRANSACTION:
    case SQLITE_SAVEPOINT:
    case SQLITE_INSERT:
    case SQLITE_DELETE:
    case SQLITE_CREATE_TABLE:
    case SQLITE_CREATE_INDEX:
    case SQLITE_DROP_TABLE:
    case SQLITE_DROP_INDEX:
    case SQLITE_ALTER_TABLE:
    case SQLITE_REINDEX:
        return true;
    case SQLITE_UPDATE: // the dialect has no UPDATE; SQLite's RENAME rewrites the schema
        return isSchemaTable(first);
    case SQLITE_READ:
        return !isPragmaTable(first) ||
               isOneOf(first, {"pragma_table_info", "pragma_index_list", "pragma_schema_version"});
    case SQLITE_PRAGMA:
        return isNeededPragma(first, second);
    case SQLITE_FUNCTION:
        return isNeededFunction(second);
    default:
        return false;
    }
}

std::optional<Error> StatementGuard::refusal(std::string_view kind) const
{
    if (!m_refused)
        return std::nullopt;
    if (m_name == format::PasswordTable)
        return jet::fromSqlite(SqliteError(SQLITE_AUTH, "not authorized"), {}, {});
    switch (m_action) {
    case SQLITE_FUNCTION:
        return jet::undefinedFunction(m_name);
    case SQLITE_READ:
        return jet::tableNotFound(m_name);
    default:
        return jet::syntaxError(kind);
    }
}

} // namespace engine
