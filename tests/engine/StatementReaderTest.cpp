#include "engine/StatementReader.h"

#include "tests/engine/EngineFixture.h"

#include <tuple>

using namespace enginetest;

namespace {

using Kind = engine::ReadStatement::Kind;

struct ReaderCase
{
    const char* text;
    bool accepted;
    Kind kind = Kind::Insert;
    const char* table = "";
    const char* column = "";
    std::vector<std::string> values = {}; // decoded
};

// A statement's parts, its literals decoded, compared whole so that a failure shows both sides.
using Parts = std::tuple<Kind, std::string, std::string, std::vector<std::string>>;

Parts readBack(const ReaderCase& c)
{
    engine::ReadStatement read;
    engine::readStatement(c.text, read);
    std::vector<std::string> values;
    for (const std::string_view value : read.values)
        engine::decodeLiteral(value, values.emplace_back());
    return {read.kind, std::string(read.table), std::string(read.column), values};
}

TEST(StatementReader, ReadsThePrograms3ShapesAndRefusesEverythingElse)
{
    const ReaderCase cases[] = {
        // What the program sends, and the spellings around it.
        {"delete from Tblkemasan", true, Kind::Delete, "Tblkemasan"},
        {"DELETE\tFROM\r\n[Tbl Kemasan] ;  \n", true, Kind::Delete, "Tbl Kemasan"},
        {"Alter Table TblPelabuhan alter Column nmport memo", true, Kind::AlterToMemo,
         "TblPelabuhan", "nmport"},
        {"ALTER TABLE [T]ALTER[c]MEMO;", true, Kind::AlterToMemo, "T", "c"},
        {"Insert Into tblkemasan values('BX','Box')",
         true,
         Kind::Insert,
         "tblkemasan",
         "",
         {"BX", "Box"}},
        {"iNsErT iNtO t VALUES ( 'a' ,\n'b' ) ;", true, Kind::Insert, "t", "", {"a", "b"}},
        {"insert into t values('','')", true, Kind::Insert, "t", "", {"", ""}},
        {"insert into t values('''','x')", true, Kind::Insert, "t", "", {"'", "x"}},
        {"insert into t values('c','a'',''b')", true, Kind::Insert, "t", "", {"c", "a','b"}},
        {"insert into t values('c','a;b)')", true, Kind::Insert, "t", "", {"c", "a;b)"}},
        {"insert into t values('\xc3\xa9','\"x\"')",
         true,
         Kind::Insert,
         "t",
         "",
         {"\xc3\xa9", "\"x\""}},
        // Everything else.
        {"insert into t values('c','d') x", false},
        {"insert into t values('c','d');;", false},
        {"insert into t values('B'X','d')", false},
        {"insert into t values('c','d)", false},
        {"insert into t values('c' 'd')", false},
        {"insert into t values()", false},
        {"insert into t values('c',NULL)", false},
        {"insert into t values('c',12)", false},
        {"insert into t (a, b) values('c','d')", false},
        {"insert t values('c','d')", false},
        {"delete * from t", false},
        {"delete from t where 1 = 1", false},
        {"deletefrom t", false},
        {"delete from []", false},
        {"alter table t alter column c text(10)", false},
        {"alter table t column c memo", false},
        {"select * from t", false},
        {"DROP TABLE t", false},
        {"", false},
    };
    for (const ReaderCase& c : cases) {
        SCOPED_TRACE(c.text);
        if (c.accepted)
            EXPECT_EQ(readBack(c), Parts(c.kind, c.table, c.column, c.values));
        else
            EXPECT_EQ(numbered(errorOf([&] { readBack(c); })),
                      numbered(ErrorNumber::SyntaxError,
                               std::string("Syntax error in the statement '") + c.text + "'."));
    }
}

// The description quotes the first 40 characters, not bytes, so a long statement stays readable.
TEST(StatementReader, QuotesALongRefusedTextBy40Characters)
{
    const std::string text = "select '" + std::string(31, 'x') + "\xc3\xa9\xc3\xa9" + "tail";
    EXPECT_EQ(errorOf([&] {
                  readBack({text.c_str(), false});
              }).description(),
              "Syntax error in the statement 'select '" + std::string(31, 'x') + "\xc3\xa9...'.");
}

} // namespace
