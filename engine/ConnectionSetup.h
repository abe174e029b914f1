#pragma once

#include <sqlite3.h>

namespace engine {

// Puts a fresh connection into SQLite's settings for database files from outside: defensive
// mode (no writes to the schema or to the file's pages behind SQLite's back; the memo step alone
// lifts it, around its own two statements), an untrusted
// schema (functions in the file's schema run only when harmless), no two-argument
// fts3_tokenizer, no extension loading, no triggers or views run, no virtual table module but
// the full-text ones, and no attached database. Call it before anything reads the file. Raises
// SqliteError when SQLite refuses a setting.
void hardenConnection(sqlite3* db);

// Sets how a connection writes the file, as every connection of ours does: a commit that has
// returned is on disk, a power cut included; a delete writes little beyond what it frees; pages
// are cached up to format::PageCacheKiB. Raises SqliteError.
void applyWriteSettings(sqlite3* db);

} // namespace engine
