#pragma once

#include "engine/Error.h"
#include "engine/Sqlite.h"

#include <initializer_list>
#include <string_view>

// The errors the engine raises, worded as the Jet OLE DB provider words them where it has a
// word for them.
namespace engine::jet {

// Each description the engine words itself, with what its %1, %2, ... stand for.
enum class Text
{
    FileNotFound,       // path
    UnrecognizedFormat, // path
    NoPermission,       // path
    FileInUse,          // path
    DiskFull,           // path: no room left on the disk that holds it
    Damaged,            // path
    DiskError,          // path
    WriteAheadLogMode,  // path: a mode none of ours ever uses
    SharedRootPage,     // path, two schema entries stored from the same root page
    ReadOnlyFile,       // path: why a run cannot write it, which it must
    ImmutableFile,      // path
    ReadOnlyFolder,     // path
    ReadOnlyFileSystem, // path
    PathTooLong,        // path, the most bytes of UTF-8 its absolute path may hold
    InvalidPassword,
    ProviderNotFound,
    DatabaseExists,    // path
    CannotCreate,      // path, reason
    Trigger,           // path, name: schema objects no database of ours has
    View,              // path, name
    VirtualTable,      // path, name
    OtherSchemaObject, // path, name
    UnrunnableRules,   // path, table: calls a function or collation not run here
    SyntaxError,       // the statement's first characters
    TableNotFound,     // table
    TableExists,       // table
    FieldNotFound,     // column, table
    ValueCountMismatch,
    FieldTooSmall,        // column, table, size: a text of more than size characters
    TypeMismatch,         // column, table: text for a column that holds numbers
    DuplicateKey,         // table
    RequiredField,        // column
    RuleViolated,         // table, SQLite's words
    EngineFailure,        // SQLite's words
    EngineFailureOnTable, // table, SQLite's words
    NoTransaction,
    TransactionExists, // a begin while a transaction is already open
};

// The Error of text, with its number and its description in the program's language, each %N
// filled with args[N - 1] in one pass.
Error error(Text text, std::initializer_list<std::string_view> args = {});

// A statement the engine does not run, quoted by its first characters.
Error syntaxError(std::string_view statement);

// A SQLite failure in a statement on table (empty when none) of the database at path.
Error fromSqlite(const SqliteError& error, std::string_view path, std::string_view table);

} // namespace engine::jet
