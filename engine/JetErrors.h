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
Error foreignObject(std::string_view path, ForeignObject kind, std::string_view name);

// kind is the statement's kind as Jet names it: "INSERT INTO", "DELETE", "ALTER TABLE", ...
Error syntaxError(std::string_view kind);
Error invalidStatement();
Error charactersAfterEnd();
Error tableNotFound(std::string_view name);
Error tableExists(std::string_view name);
Error fieldNotFound(std::string_view column, std::string_view table);
Error fieldExists(std::string_view column, std::string_view table);
Error indexNotFound(std::string_view index, std::string_view table);
Error undefinedFunction(std::string_view name);
Error unknownInsertField(std::string_view column);
Error valueCountMismatch();
// A text of more than size characters for column of table.
Error fieldTooSmall(std::string_view table, std::string_view column, int size);
Error typeMismatch();
Error duplicateKey(std::string_view table);
Error noTransaction();

// A SQLite failure in a statement on table (empty when none) of the database at path.
Error fromSqlite(const SqliteError& error, std::string_view path, std::string_view table);

} // namespace engine::jet
