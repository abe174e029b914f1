#include "tools/DemoDatabase.h"

#include "engine/Database.h"
#include "modules/MdlMain.h"
#include "modules/ReferenceTable.h"

#include <array>
#include <string_view>

namespace {

// As the Tandera application made them: the code is the key, and the descriptions are TEXT(50),
// so the shipped files' longer descriptions only fit after the reload's memo step.
engine::TableDefinition tableDefinition(const ReferenceTable& table)
{
    using engine::ColumnType;
    return {std::string(table.tableName),
            {{std::string(table.codeColumn), {ColumnType::Kind::Text, table.codeLength}, true, 1},
             {std::string(table.descriptionColumn),
              {ColumnType::Kind::Text, kDescriptionLength},
              false,
              0}}};
}

// A few rows from before the reload, so that the run visibly replaces them.
struct OldRow
{
    const ReferenceTable& table;
    std::string_view code;
    std::string_view description;
};
const std::array<OldRow, 6> kOldRows = {{
    {kTblKemasan, "BG", "Bag (lama)"},
    {kTblKemasan, "CT", "Carton (lama)"},
    {kTblKemasan, "ZZ", "Kemasan lama"},
    {kTblPelabuhan, "IDJKT", "Jakarta (lama)"},
    {kTblPelabuhan, "IDSUB", "Surabaya (lama)"},
    {kTblPelabuhan, "XXOLD", "Pelabuhan lama"},
}};

// The new database at path, open, with its tables made inside a transaction left open for the
// caller to add to and commit: one open and one commit for the whole database.
engine::Database beginReferenceDatabase(const std::string& path)
{
    const std::string password(kDatabasePassword);
    engine::CreateDatabase(path, password);
    engine::Database database = engine::Database::open(path, password);
    database.beginTransaction();
    for (const ReferenceTable* table : kReferenceTables)
        database.createTable(tableDefinition(*table));
    return database;
}

} // namespace

void insertRow(engine::Database& database, const ReferenceTable& table, std::string_view code,
               std::string_view description)
{
    std::string statement;
    buildInsert(statement, table.insertPrefix, {code, description});
    database.execute(statement);
}

void createReferenceDatabase(const std::string& path)
{
    beginReferenceDatabase(path).commitTransaction();
}

void createDemoDatabase(const std::string& path)
{
    engine::Database database = beginReferenceDatabase(path);
    for (const OldRow& row : kOldRows)
        insertRow(database, row.table, row.code, row.description);
    database.commitTransaction();
}
