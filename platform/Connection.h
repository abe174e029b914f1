#pragma once

#include "engine/Database.h"

#include <cstdint>
#include <optional>
#include <string>

// The program's connection to its database, shaped like the ADO Connection the program was
// written against. Errors are raised as Error (engine/Error.h):
//   Open on an open connection -> 3705, Close on a closed one -> 3704,
//   Execute or a transaction call on a closed one -> 3709, and whatever the engine raises.
class Connection
{
public:
    static constexpr int adStateClosed = 0;
    static constexpr int adStateOpen = 1;

    // user, password and options are ADO's arguments; the connection text carries what matters.
    void Open(const std::string& connectionText, const std::string& user = {},
              const std::string& password = {}, int options = -1);
    void Close();
    // Runs one statement; recordsAffected, when given, receives the count of rows it touched.
    void Execute(const std::string& sql, std::int64_t* recordsAffected = nullptr, int options = -1);
    int State() const;

    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();

private:
    engine::Database& open();
    std::optional<engine::Database> m_database;
};
