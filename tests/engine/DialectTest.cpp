#include "tests/engine/EngineFixture.h"

#include "modules/ReferenceTable.h"

#include <sqlite3.h>

using enginetest::EngineTest;
using enginetest::errorOf;
using enginetest::numbered;
using enginetest::rowsOf;

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

TEST_F(ProgramStatements, LiteralsKeepEveryCharacter)
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
        {"Insert Into tblkemasan values('A2','''''')", "A2|''"},
        {"Insert Into tblkemasan values('A3',' spaced  inside ')", "A3| spaced  inside "},
        {"Insert Into tblkemasan values('A4','semi;colon, comma) paren')",
         "A4|semi;colon, comma) paren"},
        {"Insert Into tblkemasan values('A5','tab\there')", "A5|tab\there"},
        {"Insert Into tblkemasan values('A6','Pelabuhan Tanjung Priok é')",
         "A6|Pelabuhan Tanjung Priok é"},
        {"INSERT INTO [Tblkemasan] (UREDI, kdkemas) VALUES (\"say \"\"hi\"\"\", 'A7');",
         "A7|say \"hi\""},
        {"insert into tblkemasan values(  'A8' ,  NULL  )", "A8|<null>"},
        {"insert into tblkemasan values('A9', -12.5)", "A9|-12.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.statement);
        EXPECT_EQ(db->execute(c.statement), 1);
    }
    Rows expected;
    for (const Case& c : cases)
        expected.emplace_back(c.stored);
    EXPECT_EQ(rowsOf(*db, "SELECT KDKEMAS, UREDI FROM Tblkemasan ORDER BY rowid"), expected);
}

TEST_F(ProgramStatements, NumbersStayTextInTextColumns)
{
    db->execute("INSERT INTO Tblkemasan VALUES ('07', 007)");
    EXPECT_EQ(rowsOf(*db, "SELECT KDKEMAS, typeof(KDKEMAS), UREDI FROM Tblkemasan"),
              Rows{"07|text|007"});
}

using RowsAffected = EngineTest;

TEST_F(RowsAffected, CountsWhatEachStatementTouched)
{
    EXPECT_EQ(db->execute("delete from Tblkemasan"), 0);
    for (const char* code : {"AA", "AB", "BA"})
        db->execute(std::string("INSERT INTO Tblkemasan VALUES ('") + code + "','x')");
    EXPECT_EQ(db->execute("DELETE FROM Tblkemasan WHERE KDKEMAS LIKE 'A%'"), 2);
    EXPECT_EQ(db->execute("DELETE * FROM tblkemasan;"), 1);
    EXPECT_EQ(db->execute("CREATE TABLE Extra (a LONG)"), 0);
    EXPECT_EQ(db->execute("CREATE INDEX ix_extra ON Extra (a DESC)"), 0);
    EXPECT_EQ(db->execute("DROP INDEX ix_extra ON extra"), 0);
    EXPECT_EQ(db->execute("DROP TABLE EXTRA"), 0);
    EXPECT_EQ(db->execute("SELECT * FROM Tblkemasan"), 0);
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

TEST_F(JetTypes, CreateTableTypesAndTheirLimits)
{
    db->execute("create table Jenis (t TEXT, v VARCHAR(3), c CHAR(1), m MEMO, l LONGTEXT, "
                "i INTEGER, g LONG)");
    const std::string big(1 << 20, 'm');
    EXPECT_EQ(db->execute("INSERT INTO jenis VALUES ('" + std::string(255, 't') +
                          "', 'vvv', 'c', '" + big + "', '" + big + "', 42, '-7')"),
              1);
    EXPECT_EQ(rowsOf(*db, "SELECT length(t), v, c, length(m), length(l), i, typeof(i), g FROM "
                          "Jenis"),
              Rows{"255|vvv|c|1048576|1048576|42|integer|-7"});
    const Error tooSmall = errorOf(
        [&] { db->execute("INSERT INTO jenis (t) VALUES ('" + std::string(256, 't') + "')"); });
    EXPECT_EQ(tooSmall.number(), -2147217887);
    EXPECT_EQ(numbered(errorOf([&] { db->execute("INSERT INTO jenis (i) VALUES ('abc')"); })),
              numbered(-2147217913, "Data type mismatch in criteria expression."));
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
    db->execute("CREATE UNIQUE INDEX ux_nm ON TblPelabuhan (nmport)");
    db->execute("INSERT INTO TblPelabuhan VALUES ('AAAAA','Same')");
    EXPECT_EQ(numbered(errorOf([&] {
                  db->execute("INSERT INTO TblPelabuhan VALUES ('BBBBB','Same')");
              })).substr(0, 35),
              numbered(ErrorNumber::ProviderFailure, "Table 'TblPelabuhan': The").substr(0, 35));
    EXPECT_EQ(rowsOf(*db, "SELECT * FROM Tblkemasan"), Rows{"BX|Box"});
}

TEST_F(DialectErrors, NullInARequiredFieldNamesTheField)
{
    const Error error = errorOf([&] { db->execute("INSERT INTO Tblkemasan VALUES (NULL,'x')"); });
    EXPECT_EQ(numbered(error),
              numbered(ErrorNumber::ProviderFailure,
                       "The field 'Tblkemasan.KDKEMAS' cannot contain a Null value because the "
                       "Required property for this field is set to True. Enter a value in this "
                       "field."));
}

TEST_F(DialectErrors, UnknownTableIsNamedAsWritten)
{
    for (const char* statement :
         {"delete from Tblkemasanx", "Insert Into tblkemasann values('BX','Box')",
          "Alter Table Tblkemasanx alter Column UREDI memo", "DROP TABLE Tblkemasanx",
          "SELECT * FROM Tblkemasanx", "CREATE INDEX i ON Tblkemasanx (a)",
          "DELETE FROM MSysPassword"}) {
        SCOPED_TRACE(statement);
        const std::string name =
            std::string(statement).find("ann") != std::string::npos    ? "tblkemasann"
            : std::string(statement).find("MSys") != std::string::npos ? "MSysPassword"
                                                                       : "Tblkemasanx";
        EXPECT_EQ(numbered(errorOf([&] { db->execute(statement); })),
                  numbered(-2147217865, "Cannot find the input table or query '" + name + "'."));
    }
}

TEST_F(DialectErrors, ValueCountMustMatchTheFields)
{
    const std::string mismatch =
        numbered(ErrorNumber::SyntaxError,
                 "Number of query values and destination fields are not the same.");
    for (const char* statement :
         {"Insert Into tblkemasan values('BX')", "Insert Into tblkemasan values('BX','Box','more')",
          "Insert Into tblkemasan (KDKEMAS) values('BX','Box')"}) {
        SCOPED_TRACE(statement);
        EXPECT_EQ(numbered(errorOf([&] { db->execute(statement); })), mismatch);
    }
    EXPECT_EQ(numbered(errorOf([&] {
                  db->execute("Insert Into tblkemasan (KDKEMAS, nope) values('BX','Box')");
              })),
              numbered(ErrorNumber::SyntaxError,
                       "The INSERT INTO statement contains the following unknown "
                       "field name: 'nope'. Make sure you have typed the name "
                       "correctly, and try the operation again."));
}

struct SyntaxCase
{
    const char* statement;
    const char* kind;
};

class SyntaxErrors : public EngineTest, public ::testing::WithParamInterface<SyntaxCase>
{
};

TEST_P(SyntaxErrors, NameTheStatementKind)
{
    const std::string before = rowsOf(*db, "SELECT count(*) FROM sqlite_schema").front();
    EXPECT_EQ(numbered(errorOf([&] { db->execute(GetParam().statement); })),
              numbered(ErrorNumber::SyntaxError,
                       std::string("Syntax error in ") + GetParam().kind + " statement."));
    EXPECT_EQ(rowsOf(*db, "SELECT count(*) FROM sqlite_schema").front(), before);
    EXPECT_EQ(rowsOf(*db, "SELECT count(*) FROM Tblkemasan"), Rows{"0"});
}

INSTANTIATE_TEST_SUITE_P(
    Statements, SyntaxErrors,
    ::testing::Values(
        // An apostrophe in a code ends its literal early.
        SyntaxCase{"Insert Into tblkemasan values('B'X','Box')", "INSERT INTO"},
        SyntaxCase{"Insert Into tblkemasan values('BX','Box)", "INSERT INTO"},
        SyntaxCase{"Insert Into tblkemasan values('BX' 'Box')", "INSERT INTO"},
        SyntaxCase{"Insert tblkemasan values('BX','Box')", "INSERT INTO"},
        SyntaxCase{"Insert Into tblkemasan values()", "INSERT INTO"},
        SyntaxCase{"Insert Into tblkemasan select * from TblPelabuhan", "INSERT INTO"},
        SyntaxCase{"delete Tblkemasan", "DELETE"},
        SyntaxCase{"delete from Tblkemasan where", "DELETE"},
        SyntaxCase{"delete from Tblkemasan where ((", "DELETE"},
        SyntaxCase{"Alter Table Tblkemasan alter Column UREDI memmo", "ALTER TABLE"},
        SyntaxCase{"Alter Table Tblkemasan alter Column UREDI TEXT(256)", "ALTER TABLE"},
        SyntaxCase{"Alter Table Tblkemasan Column UREDI memo", "ALTER TABLE"},
        SyntaxCase{"Alter Tblkemasan alter Column UREDI memo", "ALTER TABLE"},
        SyntaxCase{"CREATE TABLE Baru (a TEXT(0))", "CREATE TABLE"},
        SyntaxCase{"CREATE TABLE Baru (a BLOBBY)", "CREATE TABLE"},
        SyntaxCase{"CREATE TABLE Baru ()", "CREATE TABLE"},
        SyntaxCase{"CREATE TABLE Baru (a TEXT PRIMARY KEY, b TEXT PRIMARY KEY)", "CREATE TABLE"},
        SyntaxCase{"DROP TABLE", "DROP TABLE"}, SyntaxCase{"SELECT FROM WHERE", "SELECT"}));

TEST_F(DialectErrors, SomethingAfterTheStatementIsRefused)
{
    const std::string after =
        numbered(ErrorNumber::SyntaxError, "Characters found after end of SQL statement.");
    for (const char* statement :
         {"Insert Into tblkemasan values('BX','Box'); DROP TABLE TblPelabuhan",
          "delete from Tblkemasan; DROP TABLE TblPelabuhan",
          "delete from Tblkemasan where 1 = 1; DROP TABLE TblPelabuhan",
          "SELECT 1; DROP TABLE TblPelabuhan"}) {
        SCOPED_TRACE(statement);
        EXPECT_EQ(numbered(errorOf([&] { db->execute(statement); })), after);
    }
    EXPECT_EQ(rowsOf(*db, "SELECT count(*) FROM TblPelabuhan"), Rows{"0"});
    EXPECT_EQ(numbered(errorOf([&] { db->execute("UPSERT INTO x VALUES (1)"); })),
              numbered(ErrorNumber::SyntaxError,
                       "Invalid SQL statement; expected 'DELETE', 'INSERT', "
                       "'PROCEDURE', 'SELECT', or 'UPDATE'."));
}

TEST_F(DialectErrors, CreateRefusesAnExistingTableInAnyCase)
{
    for (const char* statement :
         {"CREATE TABLE TBLKEMASAN (a TEXT)", "CREATE TABLE msyspassword (a TEXT)"}) {
        SCOPED_TRACE(statement);
        EXPECT_EQ(errorOf([&] { db->execute(statement); }).number(), ErrorNumber::SyntaxError);
    }
}

TEST_F(DialectErrors, PasswordTableIsOutOfReach)
{
    const Error error = errorOf([&] { db->query("SELECT * FROM msyspassword"); });
    EXPECT_EQ(numbered(error), numbered(-2147217911, "Record(s) cannot be read; no read permission "
                                                     "on 'MSysPassword'."));
    EXPECT_EQ(errorOf([&] {
                  db->execute("DELETE FROM Tblkemasan WHERE EXISTS (SELECT 1 FROM MSysPassword)");
              }).number(),
              -2147217911);
}

} // namespace

namespace {

// The engine remembers table shapes between statements; a change made through another
// connection must not leave it checking against the old shape.
TEST_F(DialectErrors, TableShapesChangedElsewhereAreSeen)
{
    db->execute("INSERT INTO TblPelabuhan VALUES ('AAAAA','x')");
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open_v2(path.c_str(), &other, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other,
                           "DROP TABLE TblPelabuhan; CREATE TABLE TblPelabuhan (kdport "
                           "VARCHAR(8) NOT NULL PRIMARY KEY, nmport VARCHAR(50), negara INT)",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(other);
    EXPECT_EQ(db->execute("INSERT INTO TblPelabuhan VALUES ('ABCDEFGH','Harbour',62)"), 1);
    EXPECT_EQ(rowsOf(*db, "SELECT * FROM tblpelabuhan"), Rows{"ABCDEFGH|Harbour|62"});
}

} // namespace
