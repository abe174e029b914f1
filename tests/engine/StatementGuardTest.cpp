#include "engine/Hardening.h"
#include "engine/Sqlite.h"

#include "tests/engine/EngineFixture.h"
#include "tests/support/HostileDatabase.h"

#include <sqlite3.h>

using enginetest::EngineTest;
using enginetest::errorOf;
using enginetest::folderEntries;
using enginetest::numbered;
using enginetest::rowsOf;

namespace {

using Rows = std::vector<std::string>;

class HostileStatement : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        db->execute("INSERT INTO Tblkemasan VALUES ('BX', 'Box')");
        db->execute("INSERT INTO Tblkemasan VALUES ('CT', 'Carton')");
    }
};

std::string undefinedFunction(const std::string& name)
{
    return numbered(ErrorNumber::SyntaxError, "Undefined function '" + name + "' in expression.");
}

std::string notFound(const std::string& name)
{
    return numbered(ErrorNumber::TableNotFound,
                    "Cannot find the input table or query '" + name + "'.");
}

// Mended fault: any SQL function SQLite has was reachable through the statement paths that hand
// text to SQLite (a SELECT, a DELETE's condition); fts3_tokenizer handed out a pointer into the
// program. Now only the dialect's functions and tables are, and a refused statement changes
// nothing and makes no file.
TEST_F(HostileStatement, OutsideTheDialectIsRefusedAndChangesNothing)
{
    const struct
    {
        const char* sql;
        std::string expected;
    } cases[] = {
        {"SELECT fts3_tokenizer('simple')", undefinedFunction("fts3_tokenizer")},
        {"SELECT load_extension('/nonexistent/libtandera')", undefinedFunction("load_extension")},
        {"SELECT sqlite_compileoption_get(0)", undefinedFunction("sqlite_compileoption_get")},
        {"DELETE FROM Tblkemasan WHERE KDKEMAS <> fts3_tokenizer('simple')",
         undefinedFunction("fts3_tokenizer")},
        {"SELECT * FROM json_each('[1]')", notFound("json_each")},
        {"SELECT * FROM dbstat", notFound("dbstat")},
        {"SELECT * FROM pragma_database_list", notFound("pragma_database_list")},
        {"DELETE FROM Tblkemasan WHERE EXISTS (SELECT * FROM pragma_compile_options)",
         notFound("pragma_compile_options")},
        {"SELECT * FROM (WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n) "
         "SELECT x FROM n LIMIT 3)",
         numbered(ErrorNumber::SyntaxError, "Syntax error in SELECT statement.")},
        {"SELECT 1; ATTACH DATABASE 'stolen.db' AS stolen",
         numbered(ErrorNumber::SyntaxError, "Characters found after end of SQL statement.")},
        {"SELECT hash FROM MSysPassword",
         numbered(ErrorNumber::NoReadPermission,
                  "Record(s) cannot be read; no read permission on 'MSysPassword'.")},
    };
    const auto entriesBefore = folderEntries(dir.path());
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.sql);
        EXPECT_EQ(numbered(errorOf([&] { db->execute(testCase.sql); })), testCase.expected);
    }
    EXPECT_EQ(rowsOf(*db, "SELECT KDKEMAS, UREDI FROM Tblkemasan ORDER BY KDKEMAS"),
              (Rows{"BX|Box", "CT|Carton"}));
    EXPECT_EQ(folderEntries(dir.path()), entriesBefore);
}

// What a Jet SELECT or DELETE condition may say still runs: aggregates, LIKE, lengths.
TEST_F(HostileStatement, TheDialectsFunctionsStillRun)
{
    EXPECT_EQ(rowsOf(*db, "SELECT count(*), min(KDKEMAS), max(UREDI), sum(length(UREDI)), "
                          "avg(length(KDKEMAS)) FROM Tblkemasan WHERE UREDI LIKE 'b%'"),
              Rows{"1|BX|Box|3|2.0"});
    EXPECT_EQ(db->execute("DELETE FROM Tblkemasan WHERE UREDI LIKE 'C%' AND length(KDKEMAS) = 2"),
              1);
    EXPECT_EQ(rowsOf(*db, "SELECT KDKEMAS FROM Tblkemasan"), Rows{"BX"});
}

// A plain SQLite connection on a file of ours, hardened as every connection of the engine is.
class HardenedConnection : public ::testing::Test
{
protected:
    void SetUp() override
    {
        path = dir.file("Kolvarin.mdb");
        hostile::makeDatabase(path);
    }

    // Result code of sql run on a fresh hardened connection to the file.
    int runHardened(const std::string& sql)
    {
        sqlite3* raw = nullptr;
        EXPECT_EQ(sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
        const engine::SqliteHandle db(raw);
        engine::hardenConnection(db.get());
        return sqlite3_exec(db.get(), sql.c_str(), nullptr, nullptr, nullptr);
    }

    std::string scalar(const std::string& select)
    {
        return engine::Database::open(path, hostile::Password).query(select).at(0).at(0).value();
    }

    TempDir dir;
    std::string path;
};

// Defensive mode: a statement cannot rewrite the schema behind SQLite's back.
TEST_F(HardenedConnection, CannotWriteTheSchemaDirectly)
{
    EXPECT_NE(runHardened("PRAGMA writable_schema = ON; UPDATE sqlite_schema SET sql = "
                          "'CREATE TABLE Tblkemasan (x)' WHERE name = 'Tblkemasan'"),
              SQLITE_OK);
    EXPECT_EQ(scalar("SELECT count(*) FROM pragma_table_info('Tblkemasan')"), "2");
}

// The two-argument fts3_tokenizer installs a tokenizer from any pointer it is given.
TEST_F(HardenedConnection, CannotInstallAnFts3Tokenizer)
{
    EXPECT_NE(runHardened("SELECT fts3_tokenizer('copy', fts3_tokenizer('simple'))"), SQLITE_OK);
}

TEST_F(HardenedConnection, ReachesNoVirtualTableModuleAndAttachesNothing)
{
    EXPECT_NE(runHardened("SELECT * FROM json_each('[1]')"), SQLITE_OK);
    EXPECT_NE(runHardened("SELECT * FROM dbstat"), SQLITE_OK);
    EXPECT_NE(runHardened("CREATE VIRTUAL TABLE kotak USING rtree(id, x0, x1)"), SQLITE_OK);
    EXPECT_NE(runHardened("ATTACH DATABASE ':memory:' AS other"), SQLITE_OK);
}

// Should one slip past the check at open, a trigger in the file does not fire.
TEST_F(HardenedConnection, RunsNoTriggerOfTheFile)
{
    hostile::runOnFile(path, "CREATE TRIGGER kosongkan AFTER INSERT ON Tblkemasan BEGIN DELETE "
                             "FROM TblPelabuhan; END");
    EXPECT_EQ(runHardened("INSERT INTO Tblkemasan VALUES ('CT', 'Carton')"), SQLITE_OK);
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    const engine::SqliteHandle db(raw);
    engine::Statement count(db.get(), "SELECT count(*) FROM TblPelabuhan");
    ASSERT_TRUE(count.step());
    EXPECT_EQ(count.columnInt64(0), 10);
}

} // namespace
