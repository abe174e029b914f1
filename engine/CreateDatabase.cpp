#include "engine/Database.h"

#include "engine/ConnectionSetup.h"
#include "engine/DatabaseFormat.h"
#include "engine/JetErrors.h"
#include "engine/OpenChecks.h"
#include "engine/PasswordHash.h"
#include "engine/Sqlite.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

namespace engine {

namespace {

void writeSchema(sqlite3* db, const std::string& password)
{
    const PasswordHash hash = PasswordHash::make(password);
    const auto blob = [](const std::string& bytes) {
        return "X'" + QByteArray::fromStdString(bytes).toHex().toStdString() + "'";
    };
    const std::string table = format::PasswordTable;
    execSql(db,
            "PRAGMA journal_mode = DELETE; PRAGMA application_id = " +
                std::to_string(format::ApplicationId) + "; BEGIN IMMEDIATE; CREATE TABLE " + table +
                " (salt BLOB NOT NULL, iterations INTEGER NOT NULL, hash BLOB NOT NULL);" +
                " INSERT INTO " + table + " (salt, iterations, hash) VALUES (" + blob(hash.salt) +
                ", " + std::to_string(hash.iterations) + ", " + blob(hash.hash) + "); COMMIT");
}

} // namespace

void CreateDatabase(const std::string& path, const std::string& password)
{
    const QString name = QString::fromStdString(path);
    if (path.empty())
        throw jet::error(
            jet::CannotCreate,
            {path, QCoreApplication::translate("Engine", "no file name").toStdString()});
    if (QFileInfo(name).exists() || QFileInfo(name).isSymLink())
        throw jet::error(jet::DatabaseExists, {path});

    // NewOnly makes the file atomically, so a file appearing meanwhile is never overwritten.
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        if (QFileInfo::exists(name))
            throw jet::error(jet::DatabaseExists, {path});
        throw jet::error(jet::CannotCreate, {path, file.errorString().toStdString()});
    }
    file.close();
    // Unless the making succeeds, the file being made goes.
    auto cleanup = qScopeGuard([&name] {
        QFile::remove(name);
        QFile::remove(name + QStringLiteral("-journal"));
    });

    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(sqliteFileName(path).c_str(), &raw,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_EXRESCODE, nullptr);
    SqliteHandle db(raw);
    try {
        if (rc != SQLITE_OK)
            throwSqliteError(db.get(), rc);
        hardenConnection(db.get());
        writeSchema(db.get(), password);
        if (sqlite3_close(db.get()) != SQLITE_OK)
            throwSqliteError(db.get(), sqlite3_errcode(db.get()));
        db.release();
    } catch (const SqliteError& error) {
        throw jet::error(jet::CannotCreate, {path, error.what()});
    }
    cleanup.dismiss();
}

} // namespace engine
