#include "tests/engine/EngineFixture.h"

using enginetest::EngineTest;
using enginetest::errorOf;
using enginetest::numbered;
using enginetest::rowsOf;
using enginetest::schemaOf;

namespace {

using Rows = std::vector<std::string>;

class AlterToMemo : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        db->execute("CREATE TABLE Kapal (kode TEXT(4) NOT NULL, nama TEXT(10) NOT NULL, "
                    "bendera TEXT(3), bobot LONG, CONSTRAINT pk PRIMARY KEY (kode, bendera))");
        db->execute("CREATE INDEX ix_nama ON Kapal (nama)");
        db->execute("CREATE UNIQUE INDEX ux_bobot ON kapal (bobot DESC)");
        db->execute("INSERT INTO Kapal VALUES ('K1','Bahari','IDN',500)");
        db->execute("INSERT INTO Kapal VALUES ('K2','Samudra','SGP',NULL)");
        db->execute("INSERT INTO Kapal VALUES ('K0','Nusantara','IDN',700)");
    }
};

TEST_F(AlterToMemo, KeepsRowsInOrderAndLiftsTheLimit)
{
    const Rows before = rowsOf(*db, "SELECT rowid, * FROM Kapal");
    EXPECT_EQ(db->execute("alter table KAPAL alter column NAMA memo"), 0);
    EXPECT_EQ(rowsOf(*db, "SELECT rowid, * FROM Kapal"), before);

    const std::string longName(1 << 20, 'n');
    EXPECT_EQ(db->execute("INSERT INTO Kapal VALUES ('K3','" + longName + "','MYS',1)"), 1);
    EXPECT_EQ(rowsOf(*db, "SELECT length(nama) FROM Kapal WHERE kode = 'K3'"), Rows{"1048576"});
    // The other columns keep their limits.
    EXPECT_EQ(
        errorOf([&] { db->execute("INSERT INTO Kapal VALUES ('K4444','x','IDN',2)"); }).number(),
        -2147217887);
}

TEST_F(AlterToMemo, KeepsKeyIndexesAndRequiredFields)
{
    db->execute("Alter Table Kapal alter Column nama memo");

    EXPECT_EQ(rowsOf(*db, "SELECT name, type FROM pragma_table_info('Kapal')"),
              (Rows{"kode|VARCHAR(4)", "nama|LONGTEXT", "bendera|VARCHAR(3)", "bobot|INT"}));
    EXPECT_EQ(rowsOf(*db, "SELECT name, \"notnull\", pk FROM pragma_table_info('Kapal')"),
              (Rows{"kode|1|1", "nama|1|0", "bendera|1|2", "bobot|0|0"}));
    EXPECT_EQ(rowsOf(*db, "SELECT name, \"unique\", origin FROM pragma_index_list('Kapal') "
                          "ORDER BY name"),
              (Rows{"ix_nama|0|c", "sqlite_autoindex_Kapal_1|1|pk", "ux_bobot|1|c"}));

    EXPECT_EQ(
        errorOf([&] { db->execute("INSERT INTO Kapal VALUES ('K1','Lagi','IDN',9)"); }).number(),
        -2147467259);
    EXPECT_EQ(
        errorOf([&] { db->execute("INSERT INTO Kapal VALUES ('K9','Lagi','IDN',500)"); }).number(),
        -2147467259);
    EXPECT_EQ(errorOf([&] { db->execute("INSERT INTO Kapal VALUES ('K9',NULL,'IDN',9)"); })
                  .description()
                  .find("'Kapal.nama'"),
              std::size_t{10});
}

TEST_F(AlterToMemo, AgainChangesNothing)
{
    db->execute("Alter Table Kapal alter Column nama memo");
    const Rows schema = schemaOf(*db, "Kapal");
    const Rows rows = rowsOf(*db, "SELECT rowid, * FROM Kapal");
    const Rows version = rowsOf(*db, "SELECT schema_version FROM pragma_schema_version()");

    EXPECT_EQ(db->execute("ALTER TABLE kapal ALTER COLUMN Nama LONGTEXT"), 0);
    EXPECT_EQ(db->execute("Alter Table Kapal alter Column nama memo"), 0);
    EXPECT_EQ(schemaOf(*db, "Kapal"), schema);
    EXPECT_EQ(rowsOf(*db, "SELECT rowid, * FROM Kapal"), rows);
    EXPECT_EQ(rowsOf(*db, "SELECT schema_version FROM pragma_schema_version()"),
              version); // no rebuild took place
}

TEST_F(AlterToMemo, BackToTextRefusesRowsThatWouldNotFit)
{
    db->execute("Alter Table Kapal alter Column nama memo");
    db->execute("INSERT INTO Kapal VALUES ('K7','Sangat Panjang Sekali','IDN',7)");
    const Rows schema = schemaOf(*db, "Kapal");
    EXPECT_EQ(
        errorOf([&] { db->execute("Alter Table Kapal alter Column nama TEXT(10)"); }).number(),
        -2147217887);
    EXPECT_EQ(schemaOf(*db, "Kapal"), schema);
    db->execute("DELETE FROM Kapal WHERE kode = 'K7'");
    EXPECT_EQ(db->execute("Alter Table Kapal alter Column nama TEXT(9)"), 0);
    EXPECT_EQ(errorOf([&] {
                  db->execute("INSERT INTO Kapal VALUES ('K8','Sepuluhhh!','IDN',8)");
              }).number(),
              -2147217887);
}

TEST_F(AlterToMemo, UnknownColumnNamesColumnAndTable)
{
    EXPECT_EQ(numbered(errorOf([&] { db->execute("Alter Table kapal alter Column UREDI memo"); })),
              numbered(-2147467259, "Field 'UREDI' does not exist in table 'Kapal'."));
}

TEST_F(AlterToMemo, WorksOnTableAndColumnNamesNeedingBrackets)
{
    db->execute("CREATE TABLE [Data Lama] ([kode lama] TEXT(2), [isi \"x\"] TEXT(3))");
    db->execute("INSERT INTO [data lama] VALUES ('a','abc')");
    db->execute("CREATE INDEX [ix lama] ON [Data Lama] ([isi \"x\"])");
    EXPECT_EQ(db->execute("ALTER TABLE [DATA LAMA] ALTER COLUMN [ISI \"X\"] MEMO"), 0);
    db->execute("INSERT INTO [Data Lama] VALUES ('b','abcdef')");
    EXPECT_EQ(rowsOf(*db, "SELECT * FROM [Data Lama]"), (Rows{"a|abc", "b|abcdef"}));
    EXPECT_EQ(rowsOf(*db, "SELECT name FROM pragma_index_list('Data Lama')"), Rows{"ix lama"});
}

} // namespace
