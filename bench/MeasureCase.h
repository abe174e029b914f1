#pragma once

#include "bench/BenchCase.h"
#include "bench/Measurement.h"

#include <cstdint>
#include <string>

namespace bench {

// Runs one case rounds times over the data file of size lines in directory (as writeDataSet
// made it), each round on a fresh demo database made there and removed afterwards, and returns
// the times, this process's peak memory and what the table held after the last round.
// The ours cases need the QApplication to exist. Raises on any failure.
Measurement measureCase(BenchCase benchCase, std::int64_t size, int rounds,
                        const std::string& directory);

} // namespace bench
