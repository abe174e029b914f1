#pragma once

#include <string>
#include <string_view>

namespace engine {

// What an OLE DB connection text tells the engine.
struct ConnectionSettings
{
    std::string dataSource;
    std::string password;
};

// Reads "key=value;" pairs by the OLE DB connection-string rules: keys are trimmed and compared
// in any letter case; a value is trimmed unless it is quoted. A value in double or in single
// quotes may hold ";" and blanks, and its own quote doubled stands for one quote. Unknown keys
// are ignored; a later pair wins over an earlier one. Raises 3706 unless Provider is
// Microsoft.Jet.OLEDB.4.0 (any letter case). An absent password is an empty one.
ConnectionSettings parseConnectionText(std::string_view text);

// value as it must stand after "key=" so that parseConnectionText reads back exactly value:
// unchanged when it holds no ";" or quote and has no blank at either end, otherwise quoted
// (double quotes, or single quotes when it holds a double quote but no single one, or double
// quotes with each inner one doubled when it holds both).
std::string quoteConnectionValue(std::string_view value);

} // namespace engine
