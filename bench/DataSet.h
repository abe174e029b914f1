#pragma once

#include "bench/ReloadTable.h"

#include <cstdint>
#include <string>

namespace bench {

// Which table a size reloads: sizes a packaging file can hold reload Tblkemasan, larger ones
// TblPelabuhan (only the port file grows past the shipped sizes).
ReloadTable tableFor(std::int64_t size);

// Writes the data file of size lines for tableFor(size) into directory, under the name the
// program reads. Raises std::runtime_error when it cannot be written.
void writeDataSet(const std::string& directory, std::int64_t size);

} // namespace bench
