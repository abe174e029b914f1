#pragma once

#include "engine/Error.h"
#include "engine/Sqlite.h"

#include <string>
#include <string_view>

// The errors the engine raises, worded as the Jet OLE DB provider words them where it has a
// word for them. Each returns the Error for the caller to throw.
namespace engine::jet {

Error fileNotFound(std::string_view path);
Error unrecognizedFormat(std::string_view path);
Error noPermission(std::string_view path);
Error fileInUse(std::string_view path);
// A write found no room left on the disk that holds the file at path.
Error diskFull(std::string_view path);
// A database file in write-ahead-log mode, which none of ours ever uses.
Error writeAheadLogMode(std::string_view path);
// Two schema entries of the database at path are stored from the same root page.
Error sharedRootPage(std::string_view path, std::string_view first, std::string_view second);
// Why a run could not write the database at path, which it must.
enum class WriteRefusal
{
    ReadOnlyFile,
    ImmutableFile,
    ReadOnlyFolder,
    ReadOnlyFileSystem
};
Error cannotWrite(std::string_view path, WriteRefusal why);
// The absolute path of the database holds more than maxBytes bytes of UTF-8.
Error pathTooLong(std::string_view path, std::size_t maxBytes);
Error invalidPassword();
Error providerNotFound();
Error databaseExists(std::string_view path);
Error cannotCreate(std::string_view path, std::string_view reason);
// The database at path holds a schema object of a kind no database of ours has.
enum class ForeignObject
{
    Trigger,
    View,
    VirtualTable,
    Other
};
// The table of the database at path has an index, CHECK, DEFAULT or generated column that calls
// a function, or names a collation, that the engine does not run.
Error unrunnableRules(std::string_view path, std::string_view table);
Error foreignObject(std::string_view path, ForeignObject kind, std::string_view name);

// A statement the engine does not run, quoted by its first characters.
Error syntaxError(std::string_view statement);
Error tableNotFound(std::string_view name);
Error tableExists(std::string_view name);
Error fieldNotFound(std::string_view column, std::string_view table);
Error valueCountMismatch();
// A text of more than size characters for column of table.
Error fieldTooSmall(std::string_view table, std::string_view column, int size);
// A text value for column of table, which holds numbers.
Error typeMismatch(std::string_view table, std::string_view column);
Error duplicateKey(std::string_view table);
Error noTransaction();
// A begin while a transaction is already open.
Error transactionExists();

// A SQLite failure in a statement on table (empty when none) of the database at path.
Error fromSqlite(const SqliteError& error, std::string_view path, std::string_view table);

} // namespace engine::jet
