#pragma once

#include <string>

struct ReferenceTable;

// Runs one statement on cnDatabase (creating it first if need be); errors travel to the caller.
void ExecuteSql(const std::string& sql);

// Reload Tblkemasan from tblkemasan.dat and TblPelabuhan from tblpelabuhan.dat (found by
// dataFilePath), showing the progress window meanwhile and a completion box after. Each runs in one
// transaction: on any failure the table is left as it was (unless a commit fails after SQLite's
// commit point), the progress window is hidden, no box shows and the Error travels on with its
// number; one a data line caused names the file, the line, the table and the line's code
// ("tblkemasan.dat, line 12, table Tblkemasan, code 'BX': ..."). The Error's data note says
// whether the table was left as it was or may already hold its new rows and, for TblPelabuhan,
// that Tblkemasan was reloaded before it: the update run calls UpdateTblPelabuhan only once
// UpdateTblKemasan has succeeded.
void UpdateTblKemasan();
void UpdateTblPelabuhan();

// The reload of either table, as the two above run it (for the benchmark and the fuzz target,
// which take the table from kReferenceTables).
void ReloadTable(const ReferenceTable& table);
