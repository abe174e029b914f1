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

// Reads "key=value;" pairs: keys are trimmed and compared in any letter case, values are kept as
// given unless double-quoted (a quoted value may hold ";", and "" inside it stands for one
// quote). Unknown keys are ignored; a later pair wins over an earlier one. Raises 3706 unless
// Provider is Microsoft.Jet.OLEDB.4.0 (any letter case). An absent password is an empty one.
ConnectionSettings parseConnectionText(std::string_view text);

} // namespace engine
