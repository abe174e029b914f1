#pragma once

#include <string>

// The update run, for the window's Ok and the command line's --update alike: opens the database
// at path (OpenDatabase's name check and failure box included), then reloads Tblkemasan and
// TblPelabuhan, all through the message box, progress window and error report seams. Shows the
// wait cursor meanwhile where there is one. Returns whether both tables were reloaded; an Error
// from a reload travels on to the caller's report.
bool RunUpdate(const std::string& path);
