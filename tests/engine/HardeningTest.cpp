#include "engine/ConnectionSetup.h"
#include "engine/Sqlite.h"

#include "tests/engine/EngineFixture.h"
#include "tests/support/HostileDatabase.h"

#include <sqlite3.h>

namespace {

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

    std::string scalar(const std::string& select) { return sqliteLines(path, select).at(0); }

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
