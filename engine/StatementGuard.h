#pragma once

#include "engine/Error.h"

#include <sqlite3.h>

#include <optional>
#include <string>
#include <string_view>

namespace engine {

// The authorizer of an open connection: a statement compiled on it may ask SQLite only for what
// the dialect and the engine's own statements need (reads and writes of tables, the DDL the
// dialect has and what SQLite does for it, transactions and savepoints, the table_info,
// index_list and schema_version pragmas, and a short list of functions), and nothing at all of
// the password table. Attaching, triggers, views, virtual tables, other pragmas and other
// functions are refused at prepare.
class StatementGuard
{
public:
    StatementGuard() = default;
    StatementGuard(const StatementGuard&) = delete;
    StatementGuard& operator=(const StatementGuard&) = delete;

    // Makes this guard db's authorizer; it must outlive every prepare on db.
    void install(sqlite3* db);

    // Forgets what was refused so far; call it before preparing a statement whose failure
    // refusal() is to explain.
    void clearRefusal() noexcept { m_refused = false; }

    // When something was refused since clearRefusal(), the error for the statement of kind
    // ("SELECT", "DELETE") that SQLite then failed to prepare, saying what was refused: an
    // undefined function, a table that cannot be found, no read permission on the password
    // table, or else a syntax error.
    std::optional<Error> refusal(std::string_view kind) const;

private:
    static int authorize(void* guard, int action, const char* first, const char* second,
                         const char* database, const char* trigger);
    bool allows(int action, const char* first, const char* second) const;

    // What was refused last.
    bool m_refused = false;
    int m_action = 0;
    std::string m_name;
};

} // namespace engine
