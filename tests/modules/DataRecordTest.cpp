#include "modules/DataRecord.h"

#include "engine/Error.h"
#include "tests/support/RaisedError.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct RecordCase
{
    std::string line;
    std::string code;
    std::string description;
};

TEST(DataRecord, KemasanSplitsAtTheFirstSemicolon)
{
    const std::vector<RecordCase> cases = {
        {"BX;  Box of 'large' size ", "BX", "Box of 'large' size"},
        {";Empty code", "", "Empty code"},
        {"EC;", "EC", ""},
        {"SP;   ", "SP", ""},
        {";", "", ""},
        {"A;b;c; d ", "A", "b;c; d"},
        {" X ;y", " X ", "y"},
        {"IN;two  inner   runs", "IN", "two  inner   runs"},
        {"TB;\tTabbed\t", "TB", "\tTabbed\t"},
        {"TS; \t mixed \t ", "TS", "\t mixed \t"},
        {"O'K;it's", "O'K", "it's"},
        {"\u00C9T;caf\u00E9 ", "\u00C9T", "caf\u00E9"},
    };
    for (const RecordCase& c : cases) {
        const DataRecord record = kemasanRecord(c.line);
        EXPECT_EQ(record.code, c.code) << c.line;
        EXPECT_EQ(record.description, c.description) << c.line;
    }
}

TEST(DataRecord, KemasanLineWithoutSemicolonIsInvalidArgument)
{
    for (const std::string line : {"", "no separator", "   "}) {
        SCOPED_TRACE(line);
        const Error error = errorOf([&] { kemasanRecord(line); });
        EXPECT_EQ(error.number(), 5);
        EXPECT_EQ(error.description(), "There is no \";\" in the line to end the code.");
    }
}

TEST(DataRecord, PelabuhanCodeIsTheFirstFiveCharacters)
{
    const std::vector<RecordCase> cases = {
        {"ABCDE;Harbour", "ABCDE", "Harbour"},
        {"AB;Port", "AB;Po", "Port"},
        {"", "", ""},
        {"AB", "AB", "AB"},
        {"  no separator  ", "  no ", "no separator"},
        {"ABCDEFG;x", "ABCDE", "x"},
        {"IDJKT; Tanjung  Priok ", "IDJKT", "Tanjung  Priok"},
        {"IDJKT;a;b", "IDJKT", "a;b"},
        {";", ";", ""},
        {"TAB01;\tquay\t", "TAB01", "\tquay\t"},
        // Characters, not bytes: each of these is more than one byte in UTF-8.
        {"\u00C9\u00E9\u00E8\u00EA\u00EB\u00C0;x", "\u00C9\u00E9\u00E8\u00EA\u00EB", "x"},
        {"\u20AC\U0001F6A2ab;c", "\u20AC\U0001F6A2ab;", "c"},
        {"S\u00E3o;Tom\u00E9", "S\u00E3o;T", "Tom\u00E9"},
    };
    for (const RecordCase& c : cases) {
        const DataRecord record = pelabuhanRecord(c.line);
        EXPECT_EQ(record.code, c.code) << c.line;
        EXPECT_EQ(record.description, c.description) << c.line;
    }
}

struct InsertCase
{
    std::string prefix;
    DataRecord record;
    std::string statement;
};

TEST(DataRecord, InsertDoublesEveryApostropheInBothValues)
{
    const std::vector<InsertCase> cases = {
        {"Insert Into tblkemasan values('",
         {"BX", "Box of 'large' size"},
         "Insert Into tblkemasan values('BX','Box of ''large'' size')"},
        {"Insert Into tblpelabuhan values('",
         {"ABCDE", "Harbour"},
         "Insert Into tblpelabuhan values('ABCDE','Harbour')"},
        {"P('", {"", ""}, "P('','')"},
        {"P('", {"O'K", "'''"}, "P('O''K','''''''')"},
        {"P('", {"'); drop table x; --", "d"}, "P('''); drop table x; --','d')"},
        {"P('", {"''", "a'b'c"}, "P('''''','a''b''c')"},
    };
    std::string statement = "left over from an earlier line";
    for (const InsertCase& c : cases) {
        buildInsert(statement, c.prefix, c.record);
        EXPECT_EQ(statement, c.statement);
    }
}

} // namespace
