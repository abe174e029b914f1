#pragma once

#include <string>

// A classic filter ("Backup File|*.mdb|All Files|*.*") in Qt's form
// ("Backup File (*.mdb);;All Files (*.*)"). Several patterns in one pair ("*.mdb;*.bak") become
// space-separated. A description without a pattern stands alone; an empty filter stays empty.
std::string qtFileDialogFilter(const std::string& filter);
