#include "modules/ReferenceTable.h"
#include "tests/engine/EngineFixture.h"

using namespace enginetest;

namespace {

using Rows = std::vector<std::string>;

class AlterToMemo : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        hostile::runOnFile(
            path, "CREATE TABLE Kapal (kode VARCHAR(4) NOT NULL, nama VARCHAR(10) NOT NULL, "
                  "bendera VARCHAR(3) NOT NULL, CONSTRAINT pk PRIMARY KEY (kode, bendera));"
                  "CREATE INDEX ix_nama ON Kapal (nama);"
                  "CREATE UNIQUE INDEX ux_bendera ON kapal (bendera DESC, nama);"
                  "INSERT INTO Kapal VALUES ('K1','Bahari','IDN');"
                  "INSERT INTO Kapal VALUES ('K2','Samudra','SGP');"
                  "INSERT INTO Kapal VALUES ('K0','Nusantara','MYS');");
    }
};

TEST_F(AlterToMemo, KeepsRowsInOrderAndLiftsTheLimit)
{
    const Rows before = rowsOf(*db, "SELECT rowid, * FROM Kapal");
    EXPECT_EQ(db->execute("alter table KAPAL alter column NAMA memo"), 0);
    EXPECT_EQ(rowsOf(*db, "SELECT rowid, * FROM Kapal"), before);

    const std::string longName(1 << 20, 'n');
    EXPECT_EQ(db->execute("INSERT INTO Kapal VALUES ('K3','" + longName + "','BRN')"), 1);
    EXPECT_EQ(rowsOf(*db, "SELECT length(nama) FROM Kapal WHERE kode = 'K3'"), Rows{"1048576"});
    // The other columns keep their limits.
    EXPECT_EQ(
        errorOf([&] { db->execute("INSERT INTO Kapal VALUES ('K4444','x','PHL')"); }).number(),
        -2147217887);
}

TEST_F(AlterToMemo, KeepsKeyIndexesAndRequiredFields)
{
    db->execute("Alter Table Kapal alter nama memo");

    EXPECT_EQ(rowsOf(*db, "SELECT name, type FROM pragma_table_info('Kapal')"),
              (Rows{"kode|VARCHAR(4)", "nama|LONGTEXT", "bendera|VARCHAR(3)"}));
    EXPECT_EQ(rowsOf(*db, "SELECT name, \"notnull\", pk FROM pragma_table_info('Kapal')"),
              (Rows{"kode|1|1", "nama|1|0", "bendera|1|2"}));
    EXPECT_EQ(rowsOf(*db, "SELECT name, \"unique\", origin FROM pragma_index_list('Kapal') "
                          "ORDER BY name"),
              (Rows{"ix_nama|0|c", "sqlite_autoindex_Kapal_1|1|pk", "ux_bendera|1|c"}));

    EXPECT_EQ(
        errorOf([&] { db->execute("INSERT INTO Kapal VALUES ('K1','Lagi','IDN')"); }).number(),
        -2147467259);
    EXPECT_EQ(
        errorOf([&] { db->execute("INSERT INTO Kapal VALUES ('K9','Bahari','IDN')"); }).number(),
        -2147467259);
}

TEST_F(AlterToMemo, AgainChangesNothing)
{
    // Mended fault: past the largest version the memo step's fell to 0, a schema never written.
    hostile::runOnFile(path, "PRAGMA schema_version = 2147483647");
    db->execute("Alter Table Kapal alter Column nama memo");
    const Rows schema = schemaOf(*db, "Kapal");
    const Rows rows = rowsOf(*db, "SELECT rowid, * FROM Kapal");
    const Rows version = rowsOf(*db, "SELECT schema_version FROM pragma_schema_version()");
    EXPECT_EQ(version, Rows{"1"});

    EXPECT_EQ(db->execute("ALTER TABLE kapal ALTER COLUMN Nama MEMO"), 0);
    EXPECT_EQ(schemaOf(*db, "Kapal"), schema);
    EXPECT_EQ(rowsOf(*db, "SELECT rowid, * FROM Kapal"), rows);
    EXPECT_EQ(rowsOf(*db, "SELECT schema_version FROM pragma_schema_version()"),
              version); // no rebuild took place
}

TEST_F(AlterToMemo, UnknownColumnNamesColumnAndTable)
{
    EXPECT_EQ(numbered(errorOf([&] { db->execute("Alter Table kapal alter Column UREDI memo"); })),
              numbered(-2147467259, "Field 'UREDI' does not exist in table 'Kapal'."));
}

TEST_F(AlterToMemo, WorksOnTableAndColumnNamesNeedingBrackets)
{
    hostile::runOnFile(path, "CREATE TABLE [Data Lama] ([kode lama] VARCHAR(2), [isi \"x\"] "
                             "VARCHAR(3)); INSERT INTO [data lama] VALUES ('a','abc');"
                             "CREATE INDEX [ix lama] ON [Data Lama] ([isi \"x\"])");
    EXPECT_EQ(db->execute("ALTER TABLE [DATA LAMA] ALTER COLUMN [ISI \"X\"] MEMO"), 0);
    db->execute("INSERT INTO [Data Lama] VALUES ('b','abcdef')");
    EXPECT_EQ(rowsOf(*db, "SELECT * FROM [Data Lama]"), (Rows{"a|abc", "b|abcdef"}));
    EXPECT_EQ(rowsOf(*db, "SELECT name FROM pragma_index_list('Data Lama')"), Rows{"ix lama"});
}

// A port table made by another tool, with what the memo step must keep: the reload runs on it as
// on ours, and every index, constraint, default, collation and option stays where it was.
TEST(AlterToMemoOnAnotherToolsTable, KeepsEverythingButTheType)
{
    const struct
    {
        const char* schema;
        const char* kept;
        const char* memo;
    } cases[] = {
        {"CREATE TABLE TblPelabuhan (kdport VARCHAR(5) PRIMARY KEY, nmport VARCHAR(50));"
         "CREATE INDEX ix_lower ON TblPelabuhan (lower(nmport)) WHERE nmport <> ''",
         "(lower(nmport)) WHERE nmport <> ''", "LONGTEXT"},
        {"CREATE TABLE TblPelabuhan (kdport VARCHAR(5) PRIMARY KEY CHECK (length(kdport) = 5), "
         "nmport VARCHAR(50) COLLATE NOCASE DEFAULT (upper('x')) UNIQUE, negara VARCHAR(2) "
         "GENERATED ALWAYS AS (substr(kdport, 1, 2)), FOREIGN KEY (kdport) REFERENCES Negara (k))",
         "nmport LONGTEXT COLLATE NOCASE DEFAULT (upper('x')) UNIQUE, negara VARCHAR(2) GENERATED "
         "ALWAYS AS (substr(kdport, 1, 2)), FOREIGN KEY (kdport) REFERENCES Negara (k))",
         "LONGTEXT"},
        {"CREATE TABLE TblPelabuhan (\"kdport\" VARCHAR(5) PRIMARY KEY, [nmport] VARCHAR(50) "
         "NOT NULL) WITHOUT ROWID",
         "[nmport] LONGTEXT NOT NULL) WITHOUT ROWID", "LONGTEXT"},
        {"CREATE TABLE TblPelabuhan (kdport TEXT PRIMARY KEY, nmport INT) STRICT",
         "nmport TEXT) STRICT", "TEXT"},
        // A name written as a string and a quoted type, all of which goes.
        {"CREATE TABLE TblPelabuhan (kdport VARCHAR(5) PRIMARY KEY, 'nmport' \"INT\")",
         "'nmport' LONGTEXT)", "LONGTEXT"},
        {"CREATE TABLE TblPelabuhan (kdport VARCHAR(5), -- kode, pelabuhan\n nmport /* nama, "
         "(panjang) */ VARCHAR(50), PRIMARY KEY (kdport))",
         "nmport /* nama, (panjang) */ LONGTEXT, PRIMARY KEY (kdport))", "LONGTEXT"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.schema);
        TempDir dir;
        const std::string path = dir.file("Kolvarin.mdb");
        engine::CreateDatabase(path, enginetest::Password);
        hostile::runOnFile(path, c.schema);
        engine::Database db = engine::Database::open(
            path, enginetest::Password, engine::Database::DefaultBusyWait, reloadedTables());
        db.execute(kTblPelabuhan.deleteStatement);
        db.execute(kTblPelabuhan.alterStatement);
        db.execute("Insert Into tblpelabuhan values('IDJKT','" + std::string(60, 'j') + "')");
        EXPECT_NE(sqliteLines(path, "SELECT group_concat(sql, ' ') FROM sqlite_schema WHERE "
                                    "tbl_name = 'TblPelabuhan'")
                      .at(0)
                      .find(c.kept),
                  std::string::npos);
        EXPECT_EQ(rowsOf(db, "SELECT type FROM pragma_table_info('TblPelabuhan') WHERE name = "
                             "'nmport'"),
                  Rows{c.memo});
        EXPECT_EQ(rowsOf(db, "SELECT kdport, length(nmport) FROM TblPelabuhan"), Rows{"IDJKT|60"});
    }
}

} // namespace
