#pragma once

#include "engine/Session.h"
#include "engine/StatementReader.h"

#include <cstdint>
#include <string_view>

// The three Jet statements, one runner each; each returns the count of rows it affected and
// raises Errors.
namespace engine {

std::int64_t runInsert(Session& session, const ReadStatement& statement);
std::int64_t runDelete(Session& session, const ReadStatement& statement);
std::int64_t runAlterToMemo(Session& session, const ReadStatement& statement);

// Loads the table named name or raises "Cannot find the input table or query".
TableInfo& requireTable(Session& session, std::string_view name);

} // namespace engine
