#pragma once

#include "engine/Sqlite.h"
#include "engine/StatementReader.h"
#include "engine/TableCatalog.h"

#include <string>
#include <vector>

namespace engine {

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
    bool inTransaction = false;       // begun by us; SQLite may have ended it on its own since
    bool commitMayHaveLanded = false; // the last commit failed past SQLite's commit point
    // Reused from one statement to the next, so a long run of inserts allocates nothing once
    // they have grown to the widest row.
    ReadStatement statement;
    std::vector<std::string> decoded;
};

} // namespace engine
