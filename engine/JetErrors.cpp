#include "engine/JetErrors.h"

#include "engine/DatabaseFormat.h"

#include <QCoreApplication>
#include <QString>

namespace engine::jet {

namespace {

// Numbers Error.h does not list because nothing above the engine tells them apart.
constexpr std::int32_t TypeMismatch = -2147217913;     // 0x80040E07
constexpr std::int32_t NoTransaction = -2147168242;    // 0x8004D00E
constexpr std::int32_t NoReadPermission = -2147217911; // 0x80040E09

std::string quoted(std::string_view before, std::string_view name, std::string_view after)
{
    std::string text;
    text.reserve(before.size() + name.size() + after.size() + 2);
    text.append(before).append("'").append(name).append("'").append(after);
    return text;
}

} // namespace

Error fileNotFound(std::string_view path)
{
    return {ErrorNumber::ProviderFailure, quoted("Could not find file ", path, ".")};
}

Error unrecognizedFormat(std::string_view path)
{
    return {ErrorNumber::ProviderFailure, quoted("Unrecognized database format ", path, ".")};
}

Error noPermission(std::string_view path)
{
    return {ErrorNumber::ProviderFailure,
            quoted("The Microsoft Jet database engine cannot open the file ", path,
                   ". It is already opened exclusively by another user, or you need permission "
                   "to view its data.")};
}

Error fileInUse(std::string_view path)
{
    return {ErrorNumber::ProviderFailure, quoted("Could not use ", path, "; file already in use.")};
}

Error diskFull(std::string_view path)
{
    return {ErrorNumber::ProviderFailure,
            QCoreApplication::translate("Engine",
                                        "Not enough space on disk: the disk holding '%1' is full.")
                .arg(QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())))
                .toStdString()};
}

Error invalidPassword()
{
    return {ErrorNumber::InvalidPassword, "Not a valid password."};
}

Error providerNotFound()
{
    return {ErrorNumber::ProviderNotFound,
            "Provider cannot be found. It may not be properly installed."};
}

Error databaseExists(std::string_view path)
{
    return {ErrorNumber::ProviderFailure, quoted("Database ", path, " already exists.")};
}

Error cannotCreate(std::string_view path, std::string_view reason)
{
    std::string text = quoted("Could not create database ", path, ": ");
    text.append(reason).append(".");
    return {ErrorNumber::ProviderFailure, std::move(text)};
}

Error syntaxError(std::string_view kind)
{
    std::string text = "Syntax error in ";
    text.append(kind).append(" statement.");
    return {ErrorNumber::SyntaxError, std::move(text)};
}

Error invalidStatement()
{
    return {ErrorNumber::SyntaxError,
            "Invalid SQL statement; expected 'DELETE', 'INSERT', 'PROCEDURE', 'SELECT', or "
            "'UPDATE'."};
}

Error charactersAfterEnd()
{
    return {ErrorNumber::SyntaxError, "Characters found after end of SQL statement."};
}

Error tableNotFound(std::string_view name)
{
    return {ErrorNumber::TableNotFound, quoted("Cannot find the input table or query ", name, ".")};
}

Error tableExists(std::string_view name)
{
    return {ErrorNumber::SyntaxError, quoted("Table ", name, " already exists.")};
}

Error fieldNotFound(std::string_view column, std::string_view table)
{
    return {ErrorNumber::ProviderFailure,
            quoted("Field ", column, quoted(" does not exist in table ", table, "."))};
}

Error unknownInsertField(std::string_view column)
{
    return {ErrorNumber::SyntaxError,
            quoted("The INSERT INTO statement contains the following unknown field name: ", column,
                   ". Make sure you have typed the name correctly, and try the "
                   "operation again.")};
}

Error valueCountMismatch()
{
    return {ErrorNumber::SyntaxError,
            "Number of query values and destination fields are not the same."};
}

Error fieldTooSmall()
{
    return {ErrorNumber::FieldTooSmall,
            "The field is too small to accept the amount of data you attempted to add. Try "
            "inserting or pasting less data."};
}

Error typeMismatch()
{
    return {TypeMismatch, "Data type mismatch in criteria expression."};
}

Error duplicateKey(std::string_view table)
{
    return {ErrorNumber::ProviderFailure,
            quoted("Table ", table,
                   ": The changes you requested to the table were not successful because they "
                   "would create duplicate values in the index, primary key, or relationship. "
                   "Change the data in the field or fields that contain duplicate data, remove "
                   "the index, or redefine the index to permit duplicate entries and try "
                   "again.")};
}

Error noTransaction()
{
    return {NoTransaction, "No transaction is active."};
}

Error fromSqlite(const SqliteError& error, std::string_view path, std::string_view table)
{
    switch (error.code()) {
    case SQLITE_CONSTRAINT_PRIMARYKEY:
    case SQLITE_CONSTRAINT_UNIQUE:
        return duplicateKey(table);
    case SQLITE_CONSTRAINT_NOTNULL: {
        // SQLite names the field as "NOT NULL constraint failed: table.column".
        std::string_view message = error.what();
        const auto colon = message.find(": ");
        const std::string_view field =
            colon == std::string_view::npos ? table : message.substr(colon + 2);
        return {ErrorNumber::ProviderFailure,
                quoted("The field ", field,
                       " cannot contain a Null value because the Required property for this "
                       "field is set to True. Enter a value in this field.")};
    }
    default:
        break;
    }
    switch (error.primaryCode()) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return fileInUse(path);
    case SQLITE_NOTADB:
        return unrecognizedFormat(path);
    case SQLITE_PERM:
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
        return noPermission(path);
    case SQLITE_AUTH: // only the password table is out of bounds
        return {NoReadPermission, quoted("Record(s) cannot be read; no read permission on ",
                                         format::PasswordTable, ".")};
    case SQLITE_CORRUPT:
        return {ErrorNumber::ProviderFailure,
                quoted("The database ", path, " needs to be repaired or isn't a database file.")};
    case SQLITE_FULL:
        return diskFull(path);
    case SQLITE_IOERR:
        return {ErrorNumber::ProviderFailure, quoted("Disk or network error writing ", path, ".")};
    case SQLITE_CONSTRAINT:
        return {ErrorNumber::ProviderFailure,
                quoted("One or more values are prohibited by a rule of table ", table,
                       std::string(" (") + error.what() + ").")};
    default:
        break;
    }
    std::string text = "Database engine failure";
    if (!table.empty())
        text += quoted(" on table ", table, "");
    text.append(": ").append(error.what()).append(".");
    return {ErrorNumber::ProviderFailure, std::move(text)};
}

} // namespace engine::jet
