#pragma once

#include <string>

struct ReferenceTable;

// --undo PATH: each table, in turn and each in a transaction of its own, back as it was before
// its last recorded change, with the same name check, open and failure boxes as --update. A table
// is restored only while it holds exactly what that change left (its fingerprint); the rows the
// undo replaces are kept and the undo recorded, so a second undo redoes the change. A table
// changed since, or with nothing kept, is left alone. One box per table says which: a
// completion box when restored, a critical box why not. Returns whether both were restored.
bool RunUndo(const std::string& path);

// The undo from the menu: the file-open dialog of the window's browse button, then a Yes/No box
// naming, for each table, the change it would undo and its row counts, then RunUndo's boxes.
// Returns whether both tables were restored; false when the dialog or the box is declined.
bool RunUndoWithDialogs();

// The undo of one table on the open cnDatabase, as RunUndo makes it, with its box; whether it was
// restored (for the benchmark).
bool UndoTable(const ReferenceTable& table);
