#include "tests/engine/EngineFixture.h"

#include "modules/ReferenceTable.h"

#include <sqlite3.h>

using namespace enginetest;

namespace {

using Rows = std::vector<std::string>;

using ProgramStatements = EngineTest;

// The texts the reload sends, letter case and all, against tables named in another case.
TEST_F(ProgramStatements, RunAsSentAgainstTablesOfAnotherCase)
{
    db->execute("INSERT INTO Tblkemasan VALUES ('OL','old')");
    db->execute("INSERT INTO TblPelabuhan VALUES ('OLDPT','old port')");

    const DataRecord kemasan = {"BX", "Box of 'large' size"};
    const DataRecord pelabuhan = {"ABCDE", "Harbour"};
    std::string insert;
    for (const auto& [table, record] :
         {std::pair{&kTblKemasan, kemasan}, std::pair{&kTblPelabuhan, pelabuhan}}) {
        SCOPED_TRACE(table->tableName);
        EXPECT_EQ(db->execute(table->deleteStatement), 1);
        EXPECT_EQ(db->execute(table->alterStatement), 0);
        buildInsert(insert, table->insertPrefix, record);
        EXPECT_EQ(db->execute(insert), 1);
    }

    EXPECT_EQ(rowsOf(*db, "SELECT * FROM TBLKEMASAN"), Rows{"BX|Box of 'large' size"});
    EXPECT_EQ(rowsOf(*db, "select kdport, NMPORT from tblpelabuhan"), Rows{"ABCDE|Harbour"});
}

TEST_F(ProgramStatements, StoredValuesKeepEveryCharacter)
{
    db->execute("Alter Table Tblkemasan alter Column UREDI memo");
    struct Case
    {
        const char* statement;
        const char* stored;
    };
    const Case cases[] = {
        {"Insert Into tblkemasan values('A1','')", "A1|"},
        {"Insert Into tblkemasan values('','empty code')", "|empty code"},
        {"Insert Into tblkemasan values('''','''''')", "'|''"},
        {"Insert Into tblkemasan values('A3',' spaced  inside ')", "A3| spaced  inside "},
        {"Insert Into tblkemasan values('A4','semi;colon, comma) paren \"q\"')",
         "A4|semi;colon, comma) paren \"q\""},
        {"Insert Into tblkemasan values('A5','tab\there')", "A5|tab\there"},
        {"Insert Into tblkemasan values('A6','Pelabuhan Tanjung Priok \xc3\xa9')",
         "A6|Pelabuhan Tanjung Priok \xc3\xa9"},
        {"insert into [TBLKEMASAN] values ( '07' , '007' ) ;", "07|007"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.statement);
        EXPECT_EQ(db->execute(c.statement), 1);
    }
    Rows expected;
    for (const Case& c : cases)
        expected.emplace_back(c.stored);
    EXPECT_EQ(rowsOf(*db, "SELECT KDKEMAS, UREDI FROM Tblkemasan ORDER BY rowid"), expected);
    // Digits stay text, as Jet keeps them in a text field.
    EXPECT_EQ(rowsOf(*db, "SELECT DISTINCT typeof(KDKEMAS) || typeof(UREDI) FROM Tblkemasan"),
              Rows{"texttext"});
}

TEST_F(ProgramStatements, CountTheRowsTheyTouched)
{
    EXPECT_EQ(db->execute(kTblKemasan.deleteStatement), 0);
    for (const char* code : {"AA", "AB", "BA"})
        EXPECT_EQ(db->execute(std::string("INSERT INTO Tblkemasan VALUES ('") + code + "','x')"),
                  1);
    EXPECT_EQ(db->execute(kTblKemasan.alterStatement), 0);
    EXPECT_EQ(db->execute(kTblKemasan.deleteStatement), 3);
}

using JetTypes = EngineTest;

TEST_F(JetTypes, TextSizeLimitCountsCharacters)
{
    const std::string tooSmall =
        numbered(-2147217887, "The field 'KDKEMAS' of table 'Tblkemasan' is too small to accept "
                              "the amount of data you attempted to add (at most 2 characters). "
                              "Try inserting or pasting less data.");
    // KDKEMAS is TEXT(2): two characters fit whatever their byte length, three do not. The error
    // names the field, its table and its size, so the operator can tell which value is too long.
    for (const char* fits : {"ÉÉ", "日本", "a'"}) {
        SCOPED_TRACE(fits);
        const std::string literal = std::string(fits) == "a'" ? "a''" : fits;
        EXPECT_EQ(db->execute("INSERT INTO Tblkemasan VALUES ('" + literal + "','x')"), 1);
    }
    for (const char* tooLong : {"ABC", "ééé", "a''b"}) {
        SCOPED_TRACE(tooLong);
        EXPECT_EQ(numbered(errorOf([&] {
                      db->execute(std::string("INSERT INTO Tblkemasan VALUES ('") + tooLong +
                                  "','x')");
                  })),
                  tooSmall);
    }
    EXPECT_EQ(numbered(errorOf([&] {
                  db->execute("INSERT INTO Tblkemasan VALUES ('Z','" + std::string(31, 'u') + "')");
              })),
              numbered(-2147217887,
                       "The field 'UREDI' of table 'Tblkemasan' is too small to accept the amount "
                       "of data you attempted to add (at most 30 characters). Try inserting or "
                       "pasting less data."));
    EXPECT_EQ(db->execute("INSERT INTO Tblkemasan VALUES ('Z','" + std::string(30, 'u') + "')"), 1);
    EXPECT_EQ(rowsOf(*db, "SELECT count(*) FROM Tblkemasan"), Rows{"4"});
}

using DialectErrors = EngineTest;

TEST_F(DialectErrors, DuplicateKeyNamesTheTable)
{
    db->execute("INSERT INTO Tblkemasan VALUES ('BX','Box')");
    const Error error =
        errorOf([&] { db->execute("insert into TBLKEMASAN values('BX','again')"); });
    EXPECT_EQ(numbered(error),
              numbered(ErrorNumber::ProviderFailure,
                       "Table 'Tblkemasan': The changes you requested to the table were not "
                       "successful because they would create duplicate values in the index, "
                       "primary key, or relationship. Change the data in the field or fields "
                       "that contain duplicate data, remove the index, or redefine the index to "
                       "permit duplicate entries and try again."));
    hostile::runOnFile(path, "CREATE UNIQUE INDEX ux_nm ON TblPelabuhan (nmport)");
    db->execute("INSERT INTO TblPelabuhan VALUES ('AAAAA','Same')");
    EXPECT_EQ(numbered(errorOf([&] {
                  db->execute("INSERT INTO TblPelabuhan VALUES ('BBBBB','Same')");
              })).substr(0, 35),
              numbered(ErrorNumber::ProviderFailure, "Table 'TblPelabuhan': The").substr(0, 35));
    EXPECT_EQ(rowsOf(*db, "SELECT * FROM Tblkemasan"), Rows{"BX|Box"});
}

TEST_F(DialectErrors, UnknownTableIsNamedAsWritten)
{
    for (const char* table : {"Tblkemasanx", "MSysPassword"}) {
        for (const std::string& statement :
             {"delete from " + std::string(table),
              "Insert Into " + std::string(table) + " values('BX','Box')",
              "Alter Table " + std::string(table) + " alter Column UREDI memo"}) {
            SCOPED_TRACE(statement);
            EXPECT_EQ(
                numbered(errorOf([&] { db->execute(statement); })),
                numbered(ErrorNumber::TableNotFound,
                         "Cannot find the input table or query '" + std::string(table) + "'."));
        }
    }
    EXPECT_EQ(rowsOf(*db, "SELECT count(*) FROM MSysPassword"), Rows{"1"});
}

TEST_F(DialectErrors, ValueCountMustMatchTheFields)
{
    const std::string mismatch =
        numbered(ErrorNumber::SyntaxError,
                 "Number of query values and destination fields are not the same.");
    for (const char* statement : {"Insert Into tblkemasan values('BX')",
                                  "Insert Into tblkemasan values('BX','Box','more')"}) {
        SCOPED_TRACE(statement);
        EXPECT_EQ(numbered(errorOf([&] { db->execute(statement); })), mismatch);
    }
}

// A table another tool made may hold a number column, which a text value cannot go into.
TEST_F(DialectErrors, NumberFieldOfAnotherToolIsATypeMismatch)
{
    hostile::runOnFile(path, "CREATE TABLE Angka (kode VARCHAR(2), jumlah INTEGER)");
    EXPECT_EQ(numbered(errorOf([&] { db->execute("Insert Into angka values('AA','12')"); })),
              numbered(ErrorNumber::TypeMismatch,
                       "Data type mismatch: the field 'jumlah' of table 'Angka' holds numbers, "
                       "and the value given is text."));
    EXPECT_EQ(rowsOf(*db, "SELECT count(*) FROM Angka"), Rows{"0"});
}

// A text the engine does not read stops before SQLite: nothing after the first statement runs.
TEST_F(DialectErrors, RefusedTextChangesNothing)
{
    for (const char* statement :
         {"Insert Into tblkemasan values('BX','Box'); DROP TABLE TblPelabuhan",
          "delete from Tblkemasan; DROP TABLE TblPelabuhan", "delete from Tblkemasan where 1 = 1",
          "DROP TABLE TblPelabuhan"}) {
        SCOPED_TRACE(statement);
        EXPECT_EQ(errorOf([&] { db->execute(statement); }).number(), ErrorNumber::SyntaxError);
    }
    EXPECT_EQ(rowsOf(*db, "SELECT name FROM sqlite_schema WHERE type = 'table' ORDER BY 1"),
              (Rows{"MSysPassword", "TblPelabuhan", "Tblkemasan"}));
}

// The engine remembers table shapes between statements; a change made through another
// connection must not leave it checking against the old shape.
TEST_F(DialectErrors, TableShapesChangedElsewhereAreSeen)
{
    db->execute("INSERT INTO TblPelabuhan VALUES ('AAAAA','x')");
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open_v2(path.c_str(), &other, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    ASSERT_EQ(
        sqlite3_exec(other,
                     "DROP TABLE TblPelabuhan; CREATE TABLE TblPelabuhan (kdport "
                     "VARCHAR(8) NOT NULL PRIMARY KEY, nmport VARCHAR(50), negara VARCHAR(2))",
                     nullptr, nullptr, nullptr),
        SQLITE_OK);
    sqlite3_close(other);
    EXPECT_EQ(db->execute("INSERT INTO TblPelabuhan VALUES ('ABCDEFGH','Harbour','62')"), 1);
    EXPECT_EQ(rowsOf(*db, "SELECT * FROM tblpelabuhan"), Rows{"ABCDEFGH|Harbour|62"});
}

} // namespace
