#pragma once

#include <string>

namespace bench {

// What an open costs on a database whose table is already full. Both first drop the file's
// pages from the operating system's cache, so that the open reads the file from disk as it
// does when the operator opens a database not touched for a while.

// Seconds OpenDatabase takes on the database at path, as the OK button calls it (the name
// check, the password, the schema and structure checks); the connection is closed again
// afterwards, untimed. Raises std::runtime_error when the database does not open.
double timeOpen(const std::string& databasePath);

// Seconds the engine's structural check of the file takes alone, on a plain connection with
// the engine's page cache. Raises when the check fails.
double timeQuickCheck(const std::string& databasePath);

} // namespace bench
