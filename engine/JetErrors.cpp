#include "engine/JetErrors.h"

#include "engine/DatabaseFormat.h"

#include <QCoreApplication>
#include <QString>

namespace engine::jet {

namespace {

QString q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

Error error(std::int32_t number, const QString& description)
{
    return {number, description.toStdString()};
}

} // namespace

Error fileNotFound(std::string_view path)
{
    return error(ErrorNumber::ProviderFailure,
                 QCoreApplication::translate("Engine", "Could not find file '%1'.").arg(q(path)));
}

Error unrecognizedFormat(std::string_view path)
{
    return error(
        ErrorNumber::ProviderFailure,
        QCoreApplication::translate("Engine", "Unrecognized database format '%1'.").arg(q(path)));
}

Error noPermission(std::string_view path)
{
    return error(ErrorNumber::ProviderFailure,
                 QCoreApplication::translate(
                     "Engine", "The Microsoft Jet database engine cannot open the file '%1'. It is "
                               "already opened exclusively by another user, or you need "
                               "permission to view its data.")
                     .arg(q(path)));
}

Error fileInUse(std::string_view path)
{
    return error(ErrorNumber::ProviderFailure,
                 QCoreApplication::translate("Engine", "Could not use '%1'; file already in use.")
                     .arg(q(path)));
}

Error diskFull(std::string_view path)
{
    return error(ErrorNumber::ProviderFailure,
                 QCoreApplication::translate(
                     "Engine", "Not enough space on disk: the disk holding '%1' is full.")
                     .arg(q(path)));
}

Error writeAheadLogMode(std::string_view path)
{
    return error(ErrorNumber::ProviderFailure,
                 QCoreApplication::translate("Engine",
                                             "The database '%1' is in write-ahead-log mode, which "
                                             "a Tandera database never uses; it was not opened.")
                     .arg(q(path)));
}

Error sharedRootPage(std::string_view path, std::string_view first, std::string_view second)
{
    return error(ErrorNumber::ProviderFailure,
                 QCoreApplication::translate(
                     "Engine", "The database '%1' needs to be repaired: '%2' and '%3' are stored "
                               "in the same place, so writing one would overwrite the other; it "
                               "was not opened.")
                     .arg(q(path), q(first), q(second)));
}

Error cannotWrite(std::string_view path, WriteRefusal why)
{
    QString text;
    switch (why) {
    case WriteRefusal::ReadOnlyFile:
        text = QCoreApplication::translate(
            "Engine", "The database '%1' cannot be written: the file is read-only for this user. "
                      "The update writes to it, so it was not opened.");
        break;
    case WriteRefusal::ImmutableFile:
        text = QCoreApplication::translate(
            "Engine", "The database '%1' cannot be written: the file is marked immutable or "
                      "append-only. The update writes to it, so it was not opened.");
        break;
    case WriteRefusal::ReadOnlyFolder:
        text = QCoreApplication::translate(
            "Engine", "The database '%1' cannot be written: its folder is read-only for this "
                      "user, and the update keeps its journal there. It was not opened.");
        break;
    case WriteRefusal::ReadOnlyFileSystem:
        text = QCoreApplication::translate(
            "Engine", "The database '%1' cannot be written: the file system holding it is "
                      "read-only. The update writes to it, so it was not opened.");
        break;
    }
    return error(ErrorNumber::ProviderFailure, text.arg(q(path)));
}

Error pathTooLong(std::string_view path, std::size_t maxBytes)
{
    return error(ErrorNumber::ProviderFailure,
                 QCoreApplication::translate(
                     "Engine", "The path of the database '%1' is too long: its absolute path may "
                               "hold at most %2 bytes (UTF-8). It was not opened.")
                     .arg(q(path))
                     .arg(maxBytes));
}

Error invalidPassword()
{
    return error(ErrorNumber::InvalidPassword,
                 QCoreApplication::translate("Engine", "Not a valid password."));
}

Error providerNotFound()
{
    return error(ErrorNumber::ProviderNotFound,
                 QCoreApplication::translate(
                     "Engine", "Provider cannot be found. It may not be properly installed."));
}

Error databaseExists(std::string_view path)
{
    return error(
        ErrorNumber::ProviderFailure,
        QCoreApplication::translate("Engine", "Database '%1' already exists.").arg(q(path)));
}

Error cannotCreate(std::string_view path, std::string_view reason)
{
    return error(ErrorNumber::ProviderFailure,
                 QCoreApplication::translate("Engine", "Could not create database '%1': %2.")
                     .arg(q(path), q(reason)));
}

Error syntaxError(std::string_view statement)
{
    // The first characters are enough to tell which statement it was, and keep the message short.
    constexpr std::size_t Shown = 40;
    std::size_t characters = 0;
    std::size_t cut = 0;
    while (cut < statement.size() &&
           (characters < Shown || (static_cast<unsigned char>(statement[cut]) & 0xC0) == 0x80)) {
        if ((static_cast<unsigned char>(statement[cut]) & 0xC0) != 0x80)
            ++characters;
        ++cut;
    }
    QString shown = q(statement.substr(0, cut));
    if (cut < statement.size())
        shown += QStringLiteral("...");
    return error(
        ErrorNumber::SyntaxError,
        QCoreApplication::translate("Engine", "Syntax error in the statement '%1'.").arg(shown));
}
Error tableNotFound(std::string_view name)
{
    return error(ErrorNumber::TableNotFound,
                 QCoreApplication::translate("Engine", "Cannot find the input table or query '%1'.")
                     .arg(q(name)));
}

Error tableExists(std::string_view name)
{
    return error(ErrorNumber::SyntaxError,
                 QCoreApplication::translate("Engine", "Table '%1' already exists.").arg(q(name)));
}

Error unrunnableRules(std::string_view path, std::string_view table)
{
    return error(ErrorNumber::ProviderFailure,
                 QCoreApplication::translate(
                     "Engine", "The table '%2' of the database '%1' has an index, rule or default "
                               "that calls a function or a collation this program does not run; "
                               "the database was not opened.")
                     .arg(q(path), q(table)));
}

Error foreignObject(std::string_view path, ForeignObject kind, std::string_view name)
{
    QString text;
    switch (kind) {
    case ForeignObject::Trigger:
        text = QCoreApplication::translate("Engine",
                                           "The database '%1' holds the trigger '%2', which a "
                                           "Tandera database never has; it was not opened.");
        break;
    case ForeignObject::View:
        text =
            QCoreApplication::translate("Engine", "The database '%1' holds the view '%2', which a "
                                                  "Tandera database never has; it was not opened.");
        break;
    case ForeignObject::VirtualTable:
        text =
            QCoreApplication::translate("Engine", "The database '%1' holds the virtual table '%2', "
                                                  "which a Tandera database never has; it was not "
                                                  "opened.");
        break;
    case ForeignObject::Other:
        text = QCoreApplication::translate(
            "Engine", "The database '%1' holds the schema object '%2', which a "
                      "Tandera database never has; it was not opened.");
        break;
    }
    return error(ErrorNumber::ProviderFailure, text.arg(q(path), q(name)));
}

Error fieldNotFound(std::string_view column, std::string_view table)
{
    return error(ErrorNumber::ProviderFailure,
                 QCoreApplication::translate("Engine", "Field '%1' does not exist in table '%2'.")
                     .arg(q(column), q(table)));
}

Error valueCountMismatch()
{
    return error(ErrorNumber::SyntaxError,
                 QCoreApplication::translate(
                     "Engine", "Number of query values and destination fields are not the same."));
}

Error fieldTooSmall(std::string_view table, std::string_view column, int size)
{
    return error(ErrorNumber::FieldTooSmall,
                 QCoreApplication::translate(
                     "Engine", "The field '%1' of table '%2' is too small to accept the amount "
                               "of data you attempted to add (at most %3 characters). Try "
                               "inserting or pasting less data.")
                     .arg(q(column), q(table))
                     .arg(size));
}

Error typeMismatch(std::string_view table, std::string_view column)
{
    return error(ErrorNumber::TypeMismatch,
                 QCoreApplication::translate(
                     "Engine", "Data type mismatch: the field '%1' of table '%2' holds numbers, "
                               "and the value given is text.")
                     .arg(q(column), q(table)));
}
Error duplicateKey(std::string_view table)
{
    return error(ErrorNumber::ProviderFailure,
                 QCoreApplication::translate(
                     "Engine", "Table '%1': The changes you requested to the table were not "
                               "successful because they would create duplicate values in the "
                               "index, primary key, or relationship. Change the data in the field "
                               "or fields that contain duplicate data, remove the index, or "
                               "redefine the index to permit duplicate entries and try again.")
                     .arg(q(table)));
}

Error noTransaction()
{
    return error(ErrorNumber::NoTransaction,
                 QCoreApplication::translate("Engine", "No transaction is active."));
}

Error transactionExists()
{
    return error(ErrorNumber::TransactionExists,
                 QCoreApplication::translate(
                     "Engine", "Only one transaction can be active on this connection."));
}

Error fromSqlite(const SqliteError& sqliteError, std::string_view path, std::string_view table)
{
    switch (sqliteError.code()) {
    case SQLITE_CONSTRAINT_PRIMARYKEY:
    case SQLITE_CONSTRAINT_UNIQUE:
        return duplicateKey(table);
    case SQLITE_CONSTRAINT_NOTNULL: {
        // SQLite names the field as "NOT NULL constraint failed: table.column".
        std::string_view message = sqliteError.what();
        const auto colon = message.find(": ");
        const std::string_view field =
            colon == std::string_view::npos ? table : message.substr(colon + 2);
        return error(ErrorNumber::ProviderFailure,
                     QCoreApplication::translate(
                         "Engine", "The field '%1' cannot contain a Null value because the "
                                   "Required property for this field is set to True. Enter a "
                                   "value in this field.")
                         .arg(q(field)));
    }
    default:
        break;
    }
    switch (sqliteError.primaryCode()) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return fileInUse(path);
    case SQLITE_NOTADB:
        return unrecognizedFormat(path);
    case SQLITE_PERM:
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
        return noPermission(path);
    case SQLITE_CORRUPT:
        return error(
            ErrorNumber::ProviderFailure,
            QCoreApplication::translate(
                "Engine", "The database '%1' needs to be repaired or isn't a database file.")
                .arg(q(path)));
    case SQLITE_FULL:
        return diskFull(path);
    case SQLITE_IOERR:
        return error(ErrorNumber::ProviderFailure,
                     QCoreApplication::translate("Engine", "Disk or network error writing '%1'.")
                         .arg(q(path)));
    case SQLITE_CONSTRAINT:
        return error(
            ErrorNumber::ProviderFailure,
            QCoreApplication::translate(
                "Engine", "One or more values are prohibited by a rule of table '%1' (%2).")
                .arg(q(table), q(sqliteError.what())));
    default:
        break;
    }
    if (table.empty())
        return error(ErrorNumber::ProviderFailure,
                     QCoreApplication::translate("Engine", "Database engine failure: %1.")
                         .arg(q(sqliteError.what())));
    return error(ErrorNumber::ProviderFailure,
                 QCoreApplication::translate("Engine", "Database engine failure on table '%1': %2.")
                     .arg(q(table), q(sqliteError.what())));
}

} // namespace engine::jet
