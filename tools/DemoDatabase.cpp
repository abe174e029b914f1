#include "tools/DemoDatabase.h"

#include "engine/Database.h"

#include <array>
#include <string_view>

namespace {

// The password the program's connection text carries.
constexpr std::string_view kPassword = "rovak";

// Column sizes as the Tandera application made them: the descriptions are TEXT(50), so the
// shipped files' longer descriptions only fit after the reload's memo step.
constexpr std::array<std::string_view, 2> kTables = {
    "Create Table Tblkemasan (KDKEMAS Text(2) Primary Key, UREDI Text(50))",
    "Create Table TblPelabuhan (KDPORT Text(5) Primary Key, nmport Text(50))",
};

// A few rows from before the reload, so that the run visibly replaces them.
constexpr std::array<std::string_view, 6> kOldRows = {
    "Insert Into Tblkemasan values('BG','Bag (lama)')",
    "Insert Into Tblkemasan values('CT','Carton (lama)')",
    "Insert Into Tblkemasan values('ZZ','Kemasan lama')",
    "Insert Into TblPelabuhan values('IDJKT','Jakarta (lama)')",
    "Insert Into TblPelabuhan values('IDSUB','Surabaya (lama)')",
    "Insert Into TblPelabuhan values('XXOLD','Pelabuhan lama')",
};

} // namespace

void createDemoDatabase(const std::string& path)
{
    engine::CreateDatabase(path, std::string(kPassword));
    engine::Database database = engine::Database::open(path, std::string(kPassword));
    database.beginTransaction();
    for (const std::string_view sql : kTables)
        database.execute(sql);
    for (const std::string_view sql : kOldRows)
        database.execute(sql);
    database.commitTransaction();
}
