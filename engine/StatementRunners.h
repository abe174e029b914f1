#pragma once

#include "engine/Database.h"
#include "engine/JetLexer.h"
#include "engine/Session.h"

#include <cstdint>
#include <string_view>
#include <vector>

// The Jet statements, one runner each. A runner gets the lexer just past the statement's first
// keyword, and returns the count of rows it affected; failures are Errors.
namespace engine {

std::int64_t runInsert(Session& session, JetLexer& lexer);
std::int64_t runDelete(Session& session, JetLexer& lexer);
std::int64_t runAlterTable(Session& session, JetLexer& lexer);
std::int64_t runCreate(Session& session, JetLexer& lexer);
std::int64_t runDrop(Session& session, JetLexer& lexer);

// A SELECT handed to SQLite as it stands.
std::vector<Row> runSelect(Session& session, std::string_view sql);

// After the last token of a statement: an optional ";", then nothing.
void expectStatementEnd(JetLexer& lexer);

// Loads the table named by token or raises "Cannot find the input table or query".
TableInfo& requireTable(Session& session, const Token& name);

} // namespace engine
