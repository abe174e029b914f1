#pragma once

#include "engine/JetLexer.h"
#include "engine/Sqlite.h"
#include "engine/StatementGuard.h"
#include "engine/TableCatalog.h"

#include <string>
#include <vector>

namespace engine {

// Buffers the insert path reuses from one statement to the next, so that a long run of INSERTs
// allocates nothing once they have grown to the widest row.
struct InsertScratch
{
    std::vector<Token> columns;
    std::vector<Token> values;
    std::vector<bool> negative;
    std::vector<std::size_t> targets;
    std::vector<std::string> decoded;
};

// One open database: the SQLite connection and what the engine keeps beside it.
struct Session
{
    Session(SqliteHandle handle, std::string filePath)
        : db(std::move(handle)), path(std::move(filePath)), catalog(db.get())
    {
    }

    SqliteHandle db; // first, so it outlives every statement below
    std::string path;
    TableCatalog catalog;
    InsertScratch insert;
    int transactionDepth = 0;
    StatementGuard guard;
};

} // namespace engine
