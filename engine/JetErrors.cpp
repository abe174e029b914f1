#include "engine/JetErrors.h"

#include <QCoreApplication>
#include <QString>

#include <iterator>

namespace engine::jet {

namespace {

struct Description
{
    Text text;
    std::int32_t number;
    const char* english; // translated under the "Engine" context
};

constexpr std::int32_t Failure = ErrorNumber::ProviderFailure;

// In the order of Text.
constexpr Description Descriptions[] = {
    {Text::FileNotFound, Failure, QT_TRANSLATE_NOOP("Engine", "Could not find file '%1'.")},
    {Text::UnrecognizedFormat, Failure,
     QT_TRANSLATE_NOOP("Engine", "Unrecognized database format '%1'.")},
    {Text::NoPermission, Failure,
     QT_TRANSLATE_NOOP(
         "Engine", "The Microsoft Jet database engine cannot open the file '%1'. It is already "
                   "opened exclusively by another user, or you need permission to view its data.")},
    {Text::FileInUse, Failure,
     QT_TRANSLATE_NOOP("Engine", "Could not use '%1'; file already in use.")},
    {Text::DiskFull, Failure,
     QT_TRANSLATE_NOOP("Engine", "Not enough space on disk: the disk holding '%1' is full.")},
    {Text::Damaged, Failure,
     QT_TRANSLATE_NOOP("Engine",
                       "The database '%1' needs to be repaired or isn't a database file.")},
    {Text::DiskError, Failure, QT_TRANSLATE_NOOP("Engine", "Disk or network error writing '%1'.")},
    {Text::WriteAheadLogMode, Failure,
     QT_TRANSLATE_NOOP("Engine", "The database '%1' is in write-ahead-log mode, which a Tandera "
                                 "database never uses; it was not opened.")},
    {Text::SharedRootPage, Failure,
     QT_TRANSLATE_NOOP("Engine",
                       "The database '%1' needs to be repaired: '%2' and '%3' are stored in the "
                       "same place, so writing one would overwrite the other; it was not opened.")},
    {Text::ReadOnlyFile, Failure,
     QT_TRANSLATE_NOOP("Engine", "The database '%1' cannot be written: the file is read-only for "
                                 "this user. The update writes to it, so it was not opened.")},
    {Text::ImmutableFile, Failure,
     QT_TRANSLATE_NOOP("Engine",
                       "The database '%1' cannot be written: the file is marked immutable or "
                       "append-only. The update writes to it, so it was not opened.")},
    {Text::ReadOnlyFolder, Failure,
     QT_TRANSLATE_NOOP("Engine",
                       "The database '%1' cannot be written: its folder is read-only for this "
                       "user, and the update keeps its journal there. It was not opened.")},
    {Text::ReadOnlyFileSystem, Failure,
     QT_TRANSLATE_NOOP("Engine", "The database '%1' cannot be written: the file system holding it "
                                 "is read-only. The update writes to it, so it was not opened.")},
    {Text::PathTooLong, Failure,
     QT_TRANSLATE_NOOP("Engine", "The path of the database '%1' is too long: its absolute path may "
                                 "hold at most %2 bytes (UTF-8). It was not opened.")},
    {Text::InvalidPassword, ErrorNumber::InvalidPassword,
     QT_TRANSLATE_NOOP("Engine", "Not a valid password.")},
    {Text::ProviderNotFound, ErrorNumber::ProviderNotFound,
     QT_TRANSLATE_NOOP("Engine", "Provider cannot be found. It may not be properly installed.")},
    {Text::DatabaseExists, Failure, QT_TRANSLATE_NOOP("Engine", "Database '%1' already exists.")},
    {Text::CannotCreate, Failure,
     QT_TRANSLATE_NOOP("Engine", "Could not create database '%1': %2.")},
    {Text::Trigger, Failure,
     QT_TRANSLATE_NOOP("Engine", "The database '%1' holds the trigger '%2', which a Tandera "
                                 "database never has; it was not opened.")},
    {Text::View, Failure,
     QT_TRANSLATE_NOOP("Engine", "The database '%1' holds the view '%2', which a Tandera database "
                                 "never has; it was not opened.")},
    {Text::VirtualTable, Failure,
     QT_TRANSLATE_NOOP("Engine", "The database '%1' holds the virtual table '%2', which a Tandera "
                                 "database never has; it was not opened.")},
    {Text::OtherSchemaObject, Failure,
     QT_TRANSLATE_NOOP("Engine", "The database '%1' holds the schema object '%2', which a Tandera "
                                 "database never has; it was not opened.")},
    {Text::UnrunnableRules, Failure,
     QT_TRANSLATE_NOOP(
         "Engine",
         "The table '%2' of the database '%1' has an index, rule or default that calls a function "
         "or a collation this program does not run; the database was not opened.")},
    {Text::SyntaxError, ErrorNumber::SyntaxError,
     QT_TRANSLATE_NOOP("Engine", "Syntax error in the statement '%1'.")},
    {Text::TableNotFound, ErrorNumber::TableNotFound,
     QT_TRANSLATE_NOOP("Engine", "Cannot find the input table or query '%1'.")},
    {Text::TableExists, ErrorNumber::SyntaxError,
     QT_TRANSLATE_NOOP("Engine", "Table '%1' already exists.")},
    {Text::FieldNotFound, Failure,
     QT_TRANSLATE_NOOP("Engine", "Field '%1' does not exist in table '%2'.")},
    {Text::ValueCountMismatch, ErrorNumber::SyntaxError,
     QT_TRANSLATE_NOOP("Engine",
                       "Number of query values and destination fields are not the same.")},
    {Text::FieldTooSmall, ErrorNumber::FieldTooSmall,
     QT_TRANSLATE_NOOP(
         "Engine",
         "The field '%1' of table '%2' is too small to accept the amount of data you attempted to "
         "add (at most %3 characters). Try inserting or pasting less data.")},
    {Text::TypeMismatch, ErrorNumber::TypeMismatch,
     QT_TRANSLATE_NOOP("Engine", "Data type mismatch: the field '%1' of table '%2' holds numbers, "
                                 "and the value given is text.")},
    {Text::DuplicateKey, Failure,
     QT_TRANSLATE_NOOP(
         "Engine", "Table '%1': The changes you requested to the table were not successful because "
                   "they would create duplicate values in the index, primary key, or relationship. "
                   "Change the data in the field or fields that contain duplicate data, remove the "
                   "index, or redefine the index to permit duplicate entries and try again.")},
    {Text::RequiredField, Failure,
     QT_TRANSLATE_NOOP("Engine",
                       "The field '%1' cannot contain a Null value because the Required property "
                       "for this field is set to True. Enter a value in this field.")},
    {Text::RuleViolated, Failure,
     QT_TRANSLATE_NOOP("Engine",
                       "One or more values are prohibited by a rule of table '%1' (%2).")},
    {Text::EngineFailure, Failure, QT_TRANSLATE_NOOP("Engine", "Database engine failure: %1.")},
    {Text::EngineFailureOnTable, Failure,
     QT_TRANSLATE_NOOP("Engine", "Database engine failure on table '%1': %2.")},
    {Text::NoTransaction, ErrorNumber::NoTransaction,
     QT_TRANSLATE_NOOP("Engine", "No transaction is active.")},
    {Text::TransactionExists, ErrorNumber::TransactionExists,
     QT_TRANSLATE_NOOP("Engine", "Only one transaction can be active on this connection.")},
};

static_assert([] {
    for (std::size_t i = 0; i < std::size(Descriptions); ++i) {
        if (Descriptions[i].text != static_cast<Text>(i))
            return false;
    }
    return std::size(Descriptions) == static_cast<std::size_t>(Text::TransactionExists) + 1;
}());

} // namespace

Error error(Text text, std::initializer_list<std::string_view> args)
{
    const Description& description = Descriptions[static_cast<std::size_t>(text)];
    const QString translated = QCoreApplication::translate("Engine", description.english);
    // One pass, so that a value holding "%2" stays as it is.
    QString filled;
    for (qsizetype i = 0; i < translated.size(); ++i) {
        const qsizetype n = i + 1 < translated.size() ? translated[i + 1].digitValue() : -1;
        if (translated[i] == u'%' && n >= 1 && static_cast<std::size_t>(n) <= args.size()) {
            const std::string_view value = args.begin()[n - 1];
            filled += QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
            ++i;
        } else {
            filled += translated[i];
        }
    }
    return {description.number, filled.toStdString()};
}

Error syntaxError(std::string_view statement)
{
    // The first characters are enough to tell which statement it was, and keep the message short.
    constexpr std::size_t Shown = 40;
    const auto continuation = [&statement](std::size_t i) {
        return (static_cast<unsigned char>(statement[i]) & 0xC0) == 0x80;
    };
    std::size_t characters = 0;
    std::size_t cut = 0;
    for (; cut < statement.size() && (characters < Shown || continuation(cut)); ++cut)
        characters += continuation(cut) ? 0 : 1;
    const std::string shown(cut < statement.size() ? std::string(statement.substr(0, cut)) + "..."
                                                   : std::string(statement));
    return error(Text::SyntaxError, {shown});
}

Error fromSqlite(const SqliteError& sqliteError, std::string_view path, std::string_view table)
{
    const std::string_view message = sqliteError.what();
    switch (sqliteError.code()) {
    case SQLITE_CONSTRAINT_PRIMARYKEY:
    case SQLITE_CONSTRAINT_UNIQUE:
        return error(Text::DuplicateKey, {table});
    case SQLITE_CONSTRAINT_NOTNULL: {
        // SQLite names the field as "NOT NULL constraint failed: table.column".
        const auto colon = message.find(": ");
        return error(Text::RequiredField,
                     {colon == std::string_view::npos ? table : message.substr(colon + 2)});
    }
    }
    switch (sqliteError.primaryCode()) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return error(Text::FileInUse, {path});
    case SQLITE_NOTADB:
        return error(Text::UnrecognizedFormat, {path});
    case SQLITE_PERM:
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
        return error(Text::NoPermission, {path});
    case SQLITE_CORRUPT:
        return error(Text::Damaged, {path});
    case SQLITE_FULL:
        return error(Text::DiskFull, {path});
    case SQLITE_IOERR:
        return error(Text::DiskError, {path});
    case SQLITE_CONSTRAINT:
        return error(Text::RuleViolated, {table, message});
    }
    if (table.empty())
        return error(Text::EngineFailure, {message});
    return error(Text::EngineFailureOnTable, {table, message});
}

} // namespace engine::jet
