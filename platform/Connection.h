#pragma once

#include "engine/Database.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The program's connection to its database, shaped like the ADO Connection the program was
// written against. Errors are raised as Error (engine/Error.h):
//   Open on an open connection -> 3705, Close on a closed one -> 3704,
//   Execute or a transaction call on a closed one -> 3709, and whatever the engine raises.
//
// States: Closed (no database) -> Open, by a successful Open; Open -> Closed, by Close only.
// While Open, BeginTrans enters a transaction and CommitTrans or RollbackTrans leaves it; one
// transaction at a time (BeginTrans inside one raises XACT_E_XTIONEXISTS), and Close undoes one
// still open. A failed Open stays Closed.
class Connection
{
public:
    static constexpr int adStateClosed = 0;
    static constexpr int adStateOpen = 1;
    // ADO's ConnectModeEnum, for how Open uses the file: read-write, or read-only for a preview,
    // whose statements act on copies of the tables in memory (engine::Database::Access::Preview).
    static constexpr int adModeRead = 1;
    static constexpr int adModeReadWrite = 3;

    // checkedTables: the tables the caller will reload; each Open checks their shape and
    // structure along with the schema's (see engine::Database::openConnectionText).
    explicit Connection(std::vector<engine::ReloadedTable> checkedTables = {});

    // Opens the database the connection text names (see engine::Database::openConnectionText).
    // user, password and options are ADO's arguments; the connection text carries what matters.
    // Raises 3705 when already open, and the engine's open failures; a failed open leaves the
    // connection closed.
    void Open(const std::string& connectionText, const std::string& user = {},
              const std::string& password = {}, int options = -1);
    // Closes the connection, rolling back a transaction left open. Raises 3704 when closed.
    void Close();
    // Runs one statement; recordsAffected, when given, receives the count of rows it touched.
    void Execute(const std::string& sql, std::int64_t* recordsAffected = nullptr, int options = -1);
    // adStateOpen or adStateClosed.
    int State() const;

    // One transaction at a time, as the engine allows; 3709 when closed.
    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    // After CommitTrans raised: whether its changes may be in the database all the same, as
    // against certainly undone. False when closed.
    bool CommitMayHaveLanded() const;

    // How the next Open uses the file: adModeReadWrite (the default) or adModeRead.
    void SetMode(int mode) { m_mode = mode; }

    // The open database's typed calls beyond the statements (what a change keeps and records,
    // rows in code order); 3709 when closed.
    engine::Database& database() { return open(); }

private:
    engine::Database& open();
    std::vector<engine::ReloadedTable> m_checkedTables;
    int m_mode = adModeReadWrite;
    std::optional<engine::Database> m_database;
};
