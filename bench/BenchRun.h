#pragma once

#include "bench/BenchOptions.h"
#include "bench/Report.h"

#include <vector>

namespace bench {

// The parent's side of a run: for each size, generates the data file in a temporary folder and
// measures every case asked for in a child process of its own; then checks that every case of
// a size left the same rows behind. Reports progress on standard error. Raises
// std::runtime_error when a child fails or the cases disagree.
std::vector<CaseResult> runBench(const BenchOptions& options);

} // namespace bench
