#include "engine/JetErrors.h"

#include <QCoreApplication>
#include <QString>

namespace engine::jet {

Error error(const Text& text, std::initializer_list<std::string_view> args)
{
    const QString translated = QCoreApplication::translate("Engine", text.english);
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
    return {text.number, filled.toStdString()};
}

Error syntaxError(std::string_view statement)
{
    // The first characters are enough to tell which statement it was, and keep the message short.
    constexpr std::size_t Shown = 40;
    const std::u32string characters =
        QString::fromUtf8(statement.data(), static_cast<qsizetype>(statement.size()))
            .toStdU32String();
    if (characters.size() <= Shown)
        return error(SyntaxError, {statement});
    return error(SyntaxError,
                 {QString::fromStdU32String(characters.substr(0, Shown)).toStdString() + "..."});
}

Error fromSqlite(const SqliteError& sqliteError, std::string_view path, std::string_view table)
{
    const std::string_view message = sqliteError.what();
    switch (sqliteError.code()) {
    case SQLITE_CONSTRAINT_PRIMARYKEY:
    case SQLITE_CONSTRAINT_UNIQUE:
        return error(DuplicateKey, {table});
    case SQLITE_CONSTRAINT_NOTNULL: {
        // SQLite names the field as "NOT NULL constraint failed: table.column".
        const auto colon = message.find(": ");
        return error(RequiredField,
                     {colon == std::string_view::npos ? table : message.substr(colon + 2)});
    }
    }
    switch (sqliteError.primaryCode()) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return error(FileInUse, {path});
    case SQLITE_NOTADB:
        return error(UnrecognizedFormat, {path});
    case SQLITE_PERM:
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
        return error(NoPermission, {path});
    case SQLITE_CORRUPT:
        return error(Damaged, {path});
    case SQLITE_FULL:
        return error(DiskFull, {path});
    case SQLITE_IOERR:
        return error(DiskError, {path});
    case SQLITE_CONSTRAINT:
        return error(RuleViolated, {table, message});
    }
    if (table.empty())
        return error(EngineFailure, {message});
    return error(EngineFailureOnTable, {table, message});
}

} // namespace engine::jet
