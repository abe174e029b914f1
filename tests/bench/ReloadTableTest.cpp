#include "bench/ReloadTable.h"

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>

namespace {

struct LineCase
{
    std::string name;
    bench::ReloadTable table;
    std::string line;
    std::string code;
    std::string description;
    std::string insert;
};

void PrintTo(const LineCase& c, std::ostream* os)
{
    *os << '"' << c.line << '"';
}

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
        LineCase{"SpacesAndApostrophes", ReloadTable::Kemasan, "BX;  Box of 'large' size ", "BX",
                 "Box of 'large' size",
                 "Insert Into tblkemasan values('BX','Box of ''large'' size')"},
        LineCase{"PortLine", ReloadTable::Pelabuhan, "ABCDE;Harbour", "ABCDE", "Harbour",
                 "Insert Into tblpelabuhan values('ABCDE','Harbour')"},
        LineCase{"PortCodeTakesFiveCharacters", ReloadTable::Pelabuhan, "AB;Port", "AB;Po", "Port",
                 "Insert Into tblpelabuhan values('AB;Po','Port')"},
        LineCase{"EmptyPortLine", ReloadTable::Pelabuhan, "", "", "",
                 "Insert Into tblpelabuhan values('','')"},
        LineCase{"PortLineWithoutSemicolon", ReloadTable::Pelabuhan, "  NOSEMI  ", "  NOS",
                 "NOSEMI", "Insert Into tblpelabuhan values('  NOS','NOSEMI')"},
        LineCase{"FurtherSemicolonsStayInDescription", ReloadTable::Pelabuhan,
                 "GAW5F;Saint-Lleida;Nakhon", "GAW5F", "Saint-Lleida;Nakhon",
                 "Insert Into tblpelabuhan values('GAW5F','Saint-Lleida;Nakhon')"},
        LineCase{"EmptyPackagingCode", ReloadTable::Kemasan, ";empty code", "", "empty code",
                 "Insert Into tblkemasan values('','empty code')"},
        LineCase{"EmptyDescription", ReloadTable::Kemasan, "XY;", "XY", "",
                 "Insert Into tblkemasan values('XY','')"},
        LineCase{"TabsAndInnerSpacesStay", ReloadTable::Kemasan, "T1;\tinner  runs\t ", "T1",
                 "\tinner  runs\t", "Insert Into tblkemasan values('T1','\tinner  runs\t')"},
        LineCase{"Windows1252LettersAndEveryApostrophe", ReloadTable::Pelabuhan,
                 "FRNCE;d'Anc\xF4ne ''x'", "FRNCE", "d'Anc\xF4ne ''x'",
                 "Insert Into tblpelabuhan values('FRNCE','d''Anc\xC3\xB4ne ''''x''')"},
        LineCase{"Windows1252HighRange", ReloadTable::Pelabuhan, "EURO1;\x80 \x9F \xFF", "EURO1",
                 "\x80 \x9F \xFF",
                 "Insert Into tblpelabuhan values('EURO1','\xE2\x82\xAC \xC5\xB8 \xC3\xBF')"}),
    [](const testing::TestParamInfo<LineCase>& info) { return info.param.name; });

TEST(ReloadTable, PackagingLineWithoutSemicolonIsRejected)
{
    EXPECT_THROW(bench::splitLine(ReloadTable::Kemasan, "no semicolon"), std::invalid_argument);
    EXPECT_THROW(bench::splitLine(ReloadTable::Kemasan, ""), std::invalid_argument);
}

} // namespace
