#pragma once

#include <functional>
#include <string>

// The file-open dialog. filter is "Description|pattern" pairs joined by "|", as in
// "Backup File|*.mdb". Returns the chosen file's path, or an empty text when cancelled.
std::string ShowOpen(const std::string& filter);

// Test seam: while a handler is installed, it answers instead of a dialog; it receives the filter.
using FileDialogHandler = std::function<std::string(const std::string& filter)>;
void setFileDialogHandler(FileDialogHandler handler);
