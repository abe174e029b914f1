#pragma once

#include <functional>
#include <string>

struct ReferenceTable;

// --preview: what --update would do to the database at path, without writing a byte of it. The
// same name check and open (read-only, with OpenDatabase's boxes); then, for each table in turn,
// its data file read and sent by the update's own rules and statements into a copy of the table
// in memory, and compared with the table. print gets, per table, one summary line (rows now,
// lines in the file, new, gone, changed and unchanged codes), then one tab-separated line per
// difference in code order: "+" code description, "-" code description, "~" code old new. A
// table the update would refuse is reported through the error report as the update reports it,
// and the next table goes on. Returns whether the update would reload both tables.
bool RunPreview(const std::string& path, const std::function<void(const std::string&)>& print);

// The preview of one table on cnDatabase, opened for a preview (Connection::adModeRead), as
// RunPreview makes it; raises the Error the update would raise (for the benchmark).
void PreviewTable(const ReferenceTable& table,
                  const std::function<void(const std::string&)>& print);
