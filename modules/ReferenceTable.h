#pragma once

#include "engine/TableDefinition.h"
#include "modules/DataRecord.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// One reference table the update run reloads: everything in which the two reloads differ, and
// the table as the Tandera application creates it. The benchmark, the demo maker and the tests
// take these facts from here.
struct ReferenceTable
{
    std::string_view tableName;
    std::string_view fileName; // beside the program
    // The code column, Text(codeLength) and the key; the description column, Text(50) until the
    // reload's memo step.
    std::string_view codeColumn;
    int codeLength;
    std::string_view descriptionColumn;

    std::string_view deleteStatement;
    std::string_view alterStatement;
    std::string_view insertPrefix; // code, "','", description and "')" follow
    DataRecord (*record)(std::string_view line);
    std::string_view step;    // the progress window's advance per line
    std::string_view message; // shown once the reload is committed
};

// Characters of each description column before the memo step.
inline constexpr int kDescriptionLength = 50;

inline constexpr ReferenceTable kTblKemasan = {
    "Tblkemasan",
    "tblkemasan.dat",
    "KDKEMAS",
    2,
    "UREDI",
    "delete from Tblkemasan",
    "Alter Table Tblkemasan alter Column UREDI memo",
    "Insert Into tblkemasan values('",
    kemasanRecord,
    "0.6",
    "TblKemasan telah di Update",
};

inline constexpr ReferenceTable kTblPelabuhan = {
    "TblPelabuhan",
    "tblpelabuhan.dat",
    "KDPORT",
    5,
    "nmport",
    "delete from Tblpelabuhan",
    "Alter Table TblPelabuhan alter Column nmport memo",
    "Insert Into tblpelabuhan values('",
    pelabuhanRecord,
    "0.00167",
    "TblPelabuhan telah di Update",
};

// In the order the update run reloads them.
inline constexpr std::array<const ReferenceTable*, 2> kReferenceTables = {&kTblKemasan,
                                                                          &kTblPelabuhan};

// The tables whose shape and structure every open checks, since a run reloads them: each row a
// code, then a description into the column made a memo.
inline std::vector<engine::ReloadedTable> reloadedTables()
{
    std::vector<engine::ReloadedTable> tables;
    for (const ReferenceTable* table : kReferenceTables)
        tables.push_back({std::string(table->tableName), std::string(table->descriptionColumn), 2});
    return tables;
}
