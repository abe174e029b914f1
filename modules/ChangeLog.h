#pragma once

#include "engine/ChangeHistory.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

struct ReferenceTable;

// What the history calls the two kinds of change: an update from a data file, and an undo, which
// puts back the rows the table's last change replaced.
inline constexpr std::string_view kUpdateChange = "update";
inline constexpr std::string_view kUndoChange = "undo";

// Where the rows of a change came from: a data file as it was found, or the kept rows.
struct ChangeSource
{
    std::string path;
    std::int64_t size = 0;
    std::string sha256;
};

// Records on cnDatabase, in the transaction of the change just made to table, who made it, when
// and where, from what, the rows before and after and the fingerprint of the rows it left.
void RecordChange(const ReferenceTable& table, std::string_view kind, const ChangeSource& source,
                  std::int64_t rowsBefore);

// One line of the history, tab-separated: time, table, kind, rows before, rows after,
// user@host, source path and its SHA-256.
std::string historyLine(const engine::Change& change);

// --history: opens the database at path as a preview does (the name check and failure boxes
// of OpenDatabase included), and hands print every change recorded, newest first. Returns
// whether the database opened; one without a history prints nothing.
bool RunHistory(const std::string& path, const std::function<void(const std::string&)>& print);
