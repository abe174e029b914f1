#pragma once

#include "platform/Connection.h"

#include <string>
#include <string_view>

// The password of every Tandera database; the connection text carries it.
inline constexpr std::string_view kDatabasePassword = "rovak";

// The file-open dialog's filter wherever the operator picks a database.
inline constexpr std::string_view kDatabaseFileFilter = "Backup File|*.mdb";

// The one program-wide connection, created (closed) on first use and kept until the program ends.
Connection& cnDatabase();
// Whether anything has touched cnDatabase yet (an empty path must not create it).
bool cnDatabaseExists();

// The connection text OpenDatabase built last; empty before the first open.
const std::string& strConnection();

// Opens cnDatabase on the database at path, or tells the operator in a message box why not.
// Returns nothing: callers read cnDatabase().State() afterwards. mode is how the connection uses
// the file (Connection::adModeRead for a preview).
void OpenDatabase(const std::string& path, int mode = Connection::adModeReadWrite);
