#include "bench/ReloadTable.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

struct LineCase
{
    bench::ReloadTable table;
    std::string line;
    std::string code;
    std::string description;
    std::string insert;
};

// The floors must send what the program sends for every line shape it meets.
class ReloadTableLines : public testing::TestWithParam<LineCase>
{
};

TEST_P(ReloadTableLines, SplitAndInsertAsTheProgramDoes)
{
    const LineCase& c = GetParam();
    const bench::Record record = bench::splitLine(c.table, c.line);
    EXPECT_EQ(c.code, record.code);
    EXPECT_EQ(c.description, record.description);
    EXPECT_EQ(c.insert, bench::insertStatement(c.table, record));
}

using bench::ReloadTable;
INSTANTIATE_TEST_SUITE_P(
    Shapes, ReloadTableLines,
    testing::Values(
        LineCase{ReloadTable::Kemasan, "BX;  Box of 'large' size ", "BX", "Box of 'large' size",
                 "Insert Into tblkemasan values('BX','Box of ''large'' size')"},
        LineCase{ReloadTable::Pelabuhan, "ABCDE;Harbour", "ABCDE", "Harbour",
                 "Insert Into tblpelabuhan values('ABCDE','Harbour')"},
        LineCase{ReloadTable::Pelabuhan, "AB;Port", "AB;Po", "Port",
                 "Insert Into tblpelabuhan values('AB;Po','Port')"},
        LineCase{ReloadTable::Pelabuhan, "", "", "", "Insert Into tblpelabuhan values('','')"},
        LineCase{ReloadTable::Pelabuhan, "  NOSEMI  ", "  NOS", "NOSEMI",
                 "Insert Into tblpelabuhan values('  NOS','NOSEMI')"},
        LineCase{ReloadTable::Pelabuhan, "GAW5F;Saint-Lleida;Nakhon", "GAW5F",
                 "Saint-Lleida;Nakhon", "Insert Into tblpelabuhan values('GAW5F','Saint-Lleida;Nakhon')"},
        LineCase{ReloadTable::Kemasan, ";empty code", "", "empty code",
                 "Insert Into tblkemasan values('','empty code')"},
        LineCase{ReloadTable::Kemasan, "XY;", "XY", "", "Insert Into tblkemasan values('XY','')"},
        LineCase{ReloadTable::Kemasan, "T1;\tinner  runs\t ", "T1", "\tinner  runs\t",
                 "Insert Into tblkemasan values('T1','\tinner  runs\t')"},
        LineCase{ReloadTable::Pelabuhan, "FRNCE;d'Anc\xF4ne ''x'", "FRNCE", "d'Anc\xF4ne ''x'",
                 "Insert Into tblpelabuhan values('FRNCE','d''Anc\xC3\xB4ne ''''x''')"},
        LineCase{ReloadTable::Pelabuhan, "EURO1;\x80 \x9F \xFF", "EURO1", "\x80 \x9F \xFF",
                 "Insert Into tblpelabuhan values('EURO1','\xE2\x82\xAC \xC5\xB8 \xC3\xBF')"}));

TEST(ReloadTable, PackagingLineWithoutSemicolonIsRejected)
{
    EXPECT_THROW(bench::splitLine(ReloadTable::Kemasan, "no semicolon"), std::invalid_argument);
    EXPECT_THROW(bench::splitLine(ReloadTable::Kemasan, ""), std::invalid_argument);
}

} // namespace
