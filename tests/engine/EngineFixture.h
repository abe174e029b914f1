#pragma once

#include "engine/Database.h"
#include "engine/Error.h"
#include "tests/support/Files.h"
#include "tests/support/HostileDatabase.h"
#include "tests/support/RaisedError.h"
#include "tests/support/SqliteRows.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <optional>
#include <string>
#include <vector>

namespace enginetest {

inline constexpr const char* Password = "rovak";

using ::errorOf;

// The number and description together, so one EXPECT_EQ shows both sides of a mismatch.
inline std::string numbered(const Error& error)
{
    return std::to_string(error.number()) + " " + error.description();
}
inline std::string numbered(std::int32_t number, const std::string& description)
{
    return std::to_string(number) + " " + description;
}

// Empty for what cannot be read as a file (a folder, say).
inline QByteArray fileBytes(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline std::vector<std::string> folderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    const QStringList entries =
        QDir(QString::fromStdString(folder))
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                       QDir::Name);
    for (const QString& entry : entries)
        names.push_back(entry.toStdString());
    return names;
}

// Every row of a SELECT on db's file with NULL shown as "<null>" and fields joined by "|", read
// through a connection of its own: so never inside db's transaction, which holds the file.
inline std::vector<std::string> rowsOf(engine::Database& db, const std::string& select)
{
    return sqliteLines(db.path(), select);
}

// The stored shape of a table and its indexes, for before/after comparisons.
inline std::vector<std::string> schemaOf(engine::Database& db, const std::string& table)
{
    return rowsOf(db, "SELECT type, name, sql FROM sqlite_schema WHERE tbl_name = '" + table +
                          "' COLLATE NOCASE ORDER BY type, name");
}

// A database with the program's two tables, shaped as another tool may have made them.
class EngineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        path = dir.file("Kolvarin.mdb");
        engine::CreateDatabase(path, Password);
        hostile::runOnFile(path, hostile::ReferenceTables);
        db.emplace(engine::Database::open(path, Password));
    }

    TempDir dir;
    std::string path;
    std::optional<engine::Database> db;
};

} // namespace enginetest
