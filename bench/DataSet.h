#pragma once

#include "modules/ReferenceTable.h"

#include <cstdint>
#include <string>

namespace bench {

// Which table a size reloads: the packaging table while its generated file can hold that many
// lines, the port table past that.
const ReferenceTable& tableFor(std::int64_t size);

// Writes the data file of size lines for tableFor(size) into directory, under the name the
// program reads. Raises std::runtime_error when it cannot be written.
void writeDataSet(const std::string& directory, std::int64_t size);

} // namespace bench
