#include "bench/ReloadTable.h"

namespace bench {
namespace {

constexpr ReloadTexts kKemasan = {
    "Tblkemasan",
    "tblkemasan.dat",
    "delete from Tblkemasan",
    "Alter Table Tblkemasan alter Column UREDI memo",
    "Insert Into tblkemasan values('",
    "Tblkemasan",
    "UREDI",
    R"(("KDKEMAS" VARCHAR(2) NOT NULL, "UREDI" LONGTEXT, PRIMARY KEY ("KDKEMAS")))",
};

constexpr ReloadTexts kPelabuhan = {
    "TblPelabuhan",
    "tblpelabuhan.dat",
    "delete from Tblpelabuhan",
    "Alter Table TblPelabuhan alter Column nmport memo",
    "Insert Into tblpelabuhan values('",
    "TblPelabuhan",
    "nmport",
    R"(("KDPORT" VARCHAR(5) NOT NULL, "nmport" LONGTEXT, PRIMARY KEY ("KDPORT")))",
};

} // namespace

const ReloadTexts& textsOf(ReloadTable table)
{
    return table == ReloadTable::Kemasan ? kKemasan : kPelabuhan;
}

DataRecord recordOf(ReloadTable table, std::string_view line)
{
    return table == ReloadTable::Kemasan ? kemasanRecord(line) : pelabuhanRecord(line);
}

} // namespace bench
