#pragma once

#include "engine/Error.h"
#include "engine/Sqlite.h"

#include <QtGlobal>

#include <initializer_list>
#include <string_view>

// The errors the engine raises, worded as the Jet OLE DB provider words them where it has a
// word for them.
namespace engine::jet {

// A description the engine words itself, with the number it is raised under.
struct Text
{
    const char* english; // looked up in the catalogue under the context "Engine"
    std::int32_t number = ErrorNumber::ProviderFailure;
};

inline constexpr Text FileNotFound{QT_TRANSLATE_NOOP("Engine", "Could not find file '%1'.")};
inline constexpr Text UnrecognizedFormat{
    QT_TRANSLATE_NOOP("Engine", "Unrecognized database format '%1'.")};
inline constexpr Text NoPermission{QT_TRANSLATE_NOOP(
    "Engine", "The Microsoft Jet database engine cannot open the file '%1'. It is already opened "
              "exclusively by another user, or you need permission to view its data.")};
inline constexpr Text FileInUse{
    QT_TRANSLATE_NOOP("Engine", "Could not use '%1'; file already in use.")};
inline constexpr Text DiskFull{
    QT_TRANSLATE_NOOP("Engine", "Not enough space on disk: the disk holding '%1' is full.")};
inline constexpr Text Damaged{QT_TRANSLATE_NOOP(
    "Engine", "The database '%1' needs to be repaired or isn't a database file.")};
inline constexpr Text DiskError{QT_TRANSLATE_NOOP("Engine", "Disk or network error writing '%1'.")};
inline constexpr Text WriteAheadLogMode{
    QT_TRANSLATE_NOOP("Engine", "The database '%1' is in write-ahead-log mode, which a Tandera "
                                "database never uses; it was not opened.")};
inline constexpr Text SharedRootPage{QT_TRANSLATE_NOOP(
    "Engine", "The database '%1' needs to be repaired: '%2' and '%3' are stored in the same place, "
              "so writing one would overwrite the other; it was not opened.")};
// Why a run cannot write the database at %1, which it must.
inline constexpr Text ReadOnlyFile{
    QT_TRANSLATE_NOOP("Engine", "The database '%1' cannot be written: the file is read-only for "
                                "this user. The update writes to it, so it was not opened.")};
inline constexpr Text ImmutableFile{
    QT_TRANSLATE_NOOP("Engine", "The database '%1' cannot be written: the file is marked immutable "
                                "or append-only. The update writes to it, so it was not opened.")};
inline constexpr Text ReadOnlyFolder{QT_TRANSLATE_NOOP(
    "Engine", "The database '%1' cannot be written: its folder is read-only for this user, and the "
              "update keeps its journal there. It was not opened.")};
inline constexpr Text ReadOnlyFileSystem{
    QT_TRANSLATE_NOOP("Engine", "The database '%1' cannot be written: the file system holding it "
                                "is read-only. The update writes to it, so it was not opened.")};
inline constexpr Text PathTooLong{
    QT_TRANSLATE_NOOP("Engine", "The path of the database '%1' is too long: its absolute path may "
                                "hold at most %2 bytes (UTF-8). It was not opened.")};
inline constexpr Text InvalidPassword{QT_TRANSLATE_NOOP("Engine", "Not a valid password."),
                                      ErrorNumber::InvalidPassword};
inline constexpr Text ProviderNotFound{
    QT_TRANSLATE_NOOP("Engine", "Provider cannot be found. It may not be properly installed."),
    ErrorNumber::ProviderNotFound};
inline constexpr Text DatabaseExists{QT_TRANSLATE_NOOP("Engine", "Database '%1' already exists.")};
inline constexpr Text CannotCreate{
    QT_TRANSLATE_NOOP("Engine", "Could not create database '%1': %2.")};
// A schema object of a kind no database of ours has.
inline constexpr Text Trigger{
    QT_TRANSLATE_NOOP("Engine", "The database '%1' holds the trigger '%2', which a Tandera "
                                "database never has; it was not opened.")};
inline constexpr Text View{
    QT_TRANSLATE_NOOP("Engine", "The database '%1' holds the view '%2', which a Tandera database "
                                "never has; it was not opened.")};
inline constexpr Text VirtualTable{
    QT_TRANSLATE_NOOP("Engine", "The database '%1' holds the virtual table '%2', which a Tandera "
                                "database never has; it was not opened.")};
inline constexpr Text OtherSchemaObject{
    QT_TRANSLATE_NOOP("Engine", "The database '%1' holds the schema object '%2', which a Tandera "
                                "database never has; it was not opened.")};
inline constexpr Text UnrunnableRules{QT_TRANSLATE_NOOP(
    "Engine", "The table '%2' of the database '%1' has an index, rule or default that calls a "
              "function or a collation this program does not run; the database was not opened.")};
// A reference table of a shape the reload cannot take.
inline constexpr Text ColumnCount{
    QT_TRANSLATE_NOOP("Engine", "The database '%1' was not opened: the update writes exactly %3 "
                                "columns into its table '%2', which has %4.")};
inline constexpr Text MemoColumnNotLast{QT_TRANSLATE_NOOP(
    "Engine", "The database '%1' was not opened: the update makes the last column of its table "
              "'%2' a memo and takes it for '%3', but that column is '%4'.")};
inline constexpr Text RowIdColumn{QT_TRANSLATE_NOOP(
    "Engine", "The database '%1' was not opened: the column '%3' of its table '%2' is the table's "
              "row id (INTEGER PRIMARY KEY), which cannot hold the text the update writes.")};
inline constexpr Text NumberColumn{
    QT_TRANSLATE_NOOP("Engine", "The database '%1' was not opened: the column '%3' of its table "
                                "'%2' holds numbers, and the update writes text into it.")};
// The system tables of changes (ChangeHistory.h, KeptRows.h).
inline constexpr Text SystemTableShape{QT_TRANSLATE_NOOP(
    "Engine", "The database '%1' holds the table '%2' in a shape this program does not make, so "
              "what it records of past updates cannot be trusted; the database was not opened.")};
inline constexpr Text KeptRowsDamaged{QT_TRANSLATE_NOOP(
    "Engine", "The rows kept of table '%1' from before its last change are damaged; nothing was "
              "changed.")};
// %1 the table, %2 the kept row's place, %3 its code, %4 why the table refuses it.
inline constexpr Text KeptRowRefused{
    QT_TRANSLATE_NOOP("Engine", "Table '%1' refuses kept row %2 (code '%3'): %4")};
// A preview cannot roll back what an interrupted update left.
inline constexpr Text InterruptedUpdate{QT_TRANSLATE_NOOP(
    "Engine", "The database '%1' holds an update that was interrupted, which only a run that "
              "writes can undo: run the update on it first. It was not opened.")};
// %1 is a statement's first characters.
inline constexpr Text SyntaxError{
    QT_TRANSLATE_NOOP("Engine", "Syntax error in the statement '%1'."), ErrorNumber::SyntaxError};
inline constexpr Text TableNotFound{
    QT_TRANSLATE_NOOP("Engine", "Cannot find the input table or query '%1'."),
    ErrorNumber::TableNotFound};
inline constexpr Text FieldNotFound{
    QT_TRANSLATE_NOOP("Engine", "Field '%1' does not exist in table '%2'.")};
inline constexpr Text ValueCountMismatch{
    QT_TRANSLATE_NOOP("Engine", "Number of query values and destination fields are not the same."),
    ErrorNumber::SyntaxError};
inline constexpr Text FieldTooSmall{
    QT_TRANSLATE_NOOP(
        "Engine", "The field '%1' of table '%2' is too small to accept the amount of data you "
                  "attempted to add (at most %3 characters). Try inserting or pasting less data."),
    ErrorNumber::FieldTooSmall};
inline constexpr Text TypeMismatch{
    QT_TRANSLATE_NOOP("Engine", "Data type mismatch: the field '%1' of table '%2' holds numbers, "
                                "and the value given is text."),
    ErrorNumber::TypeMismatch};
inline constexpr Text DuplicateKey{QT_TRANSLATE_NOOP(
    "Engine", "Table '%1': The changes you requested to the table were not successful because they "
              "would create duplicate values in the index, primary key, or relationship. Change "
              "the data in the field or fields that contain duplicate data, remove the index, or "
              "redefine the index to permit duplicate entries and try again.")};
inline constexpr Text RequiredField{QT_TRANSLATE_NOOP(
    "Engine", "The field '%1' cannot contain a Null value because the Required property for this "
              "field is set to True. Enter a value in this field.")};
// A CHECK or foreign key of a database made elsewhere; %2 is SQLite's words.
inline constexpr Text RuleViolated{
    QT_TRANSLATE_NOOP("Engine", "One or more values are prohibited by a rule of table '%1' (%2).")};
// %1 (or %2) is SQLite's own description of the failure.
inline constexpr Text EngineFailure{QT_TRANSLATE_NOOP("Engine", "Database engine failure: %1.")};
inline constexpr Text EngineFailureOnTable{
    QT_TRANSLATE_NOOP("Engine", "Database engine failure on table '%1': %2.")};
inline constexpr Text NoTransaction{QT_TRANSLATE_NOOP("Engine", "No transaction is active."),
                                    ErrorNumber::NoTransaction};
inline constexpr Text TransactionExists{
    QT_TRANSLATE_NOOP("Engine", "Only one transaction can be active on this connection."),
    ErrorNumber::TransactionExists};

// The Error of text, with its number and its description in the program's language, each %N
// filled with args[N - 1] in one pass.
Error error(const Text& text, std::initializer_list<std::string_view> args = {});

// A statement the engine does not run, quoted by its first characters.
Error syntaxError(std::string_view statement);

// A SQLite failure in a statement on table (empty when none) of the database at path.
Error fromSqlite(const SqliteError& error, std::string_view path, std::string_view table);

} // namespace engine::jet
