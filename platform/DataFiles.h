#pragma once

#include <string>
#include <string_view>

// Where the data file of that name is read from, each file looked up on its own:
// 1. the program's own folder, when an entry of that name exists there (used even when it
//    cannot be read, so that its open reports why);
// 2. $XDG_DATA_HOME/tandera-patch/ (unset, empty or relative: ~/.local/share; skipped without
//    an absolute HOME);
// 3. each absolute folder of $XDG_DATA_DIRS, in order, plus tandera-patch/ (unset or empty:
//    /usr/local/share:/usr/share).
// The first place holding an entry of that name wins. Raises Error 53 naming every place
// searched, in order, when none does. Paths are bytes, as the file system has them.
std::string dataFilePath(std::string_view fileName);
