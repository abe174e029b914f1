#pragma once

#include <cstdint>
#include <functional>
#include <string>

struct ReferenceTable;
class TextFileInput;

// Runs one statement on cnDatabase (creating it first if need be); errors travel to the caller.
void ExecuteSql(const std::string& sql);

// Reload Tblkemasan from tblkemasan.dat and TblPelabuhan from tblpelabuhan.dat (found by
// dataFilePath), showing the progress window meanwhile and a completion box after. Each runs in one
// transaction, which also keeps the rows the table held and records the change (ChangeLog.h):
// on any failure the table is left as it was, record and kept rows too (unless a commit fails after
// SQLite's commit point), the progress window is hidden, no box shows and the Error travels on with
// its number; one a data line caused names the file, the line, the table and the line's code
// ("tblkemasan.dat, line 12, table Tblkemasan, code 'BX': ..."). The Error's data note says
// whether the table was left as it was or may already hold its new rows and, for TblPelabuhan,
// that Tblkemasan was reloaded before it: the update run calls UpdateTblPelabuhan only once
// UpdateTblKemasan has succeeded.
void UpdateTblKemasan();
void UpdateTblPelabuhan();

// The reload of either table, as the two above run it (for the benchmark and the fuzz target,
// which take the table from kReferenceTables).
void ReloadTable(const ReferenceTable& table);

// What an update and a preview of table share, on cnDatabase inside their transaction: the
// delete, the memo step and one insert per line of input, with the progress window shown
// meanwhile and hidden again whatever happens. Returns the lines sent.
std::int64_t SendDataFile(const ReferenceTable& table, TextFileInput& input);

// Runs change in one transaction on cnDatabase and commits it. On any failure, BeginTrans's
// included, rolls it back and lets the failure travel on, an Error with the data note that
// note gives for whether its commit may have landed all the same.
void RunInTransaction(const std::function<void()>& change,
                      const std::function<std::string(bool mayHaveLanded)>& note);

// What a failed change left of table: exactly what it held, or, when its commit failed past the
// point SQLite can undo, perhaps its new rows.
std::string TableDataNote(const ReferenceTable& table, bool mayHaveLanded);
