#include "tools/DemoDatabase.h"

#include "engine/Database.h"
#include "modules/MdlMain.h"
#include "modules/ReferenceTable.h"

#include <array>
#include <string_view>

namespace {

// As the Tandera application made them: the descriptions are TEXT(50), so the shipped files'
// longer descriptions only fit after the reload's memo step.
std::string createStatement(const ReferenceTable& table)
{
    return "Create Table " + std::string(table.tableName) + " (" + std::string(table.codeColumn) +
           " Text(" + std::to_string(table.codeLength) + ") Primary Key, " +
           std::string(table.descriptionColumn) + " Text(" + std::to_string(kDescriptionLength) +
           "))";
}

// A few rows from before the reload, so that the run visibly replaces them.
constexpr std::array<std::string_view, 6> kOldRows = {
    "Insert Into Tblkemasan values('BG','Bag (lama)')",
    "Insert Into Tblkemasan values('CT','Carton (lama)')",
    "Insert Into Tblkemasan values('ZZ','Kemasan lama')",
    "Insert Into TblPelabuhan values('IDJKT','Jakarta (lama)')",
    "Insert Into TblPelabuhan values('IDSUB','Surabaya (lama)')",
    "Insert Into TblPelabuhan values('XXOLD','Pelabuhan lama')",
};

engine::Database openDatabase(const std::string& path)
{
    return engine::Database::open(path, std::string(kDatabasePassword));
}

} // namespace

void createReferenceDatabase(const std::string& path)
{
    engine::CreateDatabase(path, std::string(kDatabasePassword));
    engine::Database database = openDatabase(path);
    database.beginTransaction();
    for (const ReferenceTable* table : kReferenceTables)
        database.execute(createStatement(*table));
    database.commitTransaction();
}

void createDemoDatabase(const std::string& path)
{
    createReferenceDatabase(path);
    engine::Database database = openDatabase(path);
    database.beginTransaction();
    for (const std::string_view sql : kOldRows)
        database.execute(sql);
    database.commitTransaction();
}
