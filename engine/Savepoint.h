#pragma once

#include <sqlite3.h>

#include <string>

namespace engine {

// A SQLite savepoint: everything done while it lives is undone unless release() is called,
// inside an open transaction or not.
class Savepoint
{
public:
    // Raises SqliteError when the savepoint cannot be opened.
    Savepoint(sqlite3* db, std::string name);
    Savepoint(const Savepoint&) = delete;
    Savepoint& operator=(const Savepoint&) = delete;
    ~Savepoint();

    // Keeps what was done; raises SqliteError (the work is then undone on destruction).
    void release();

private:
    sqlite3* m_db;
    std::string m_name;
    bool m_released = false;
};

} // namespace engine
