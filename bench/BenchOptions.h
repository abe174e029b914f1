#pragma once

#include "bench/BenchCase.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace bench {

// The command line. In the normal run the program generates the data, measures every
// (size, case) in a child process of its own and prints the table. A child is started with
// --measure and prints its raw measurements instead.
struct BenchOptions
{
    std::vector<std::int64_t> sizes = {406, 60000, 600000};
    std::optional<int> rounds; // unset: roundsFor(size)
    std::vector<BenchCase> cases = defaultCases();
    bool help = false;

    // Child mode.
    std::optional<BenchCase> measure;
    std::string directory;
};

// Raises std::invalid_argument naming the offending argument.
BenchOptions parseOptions(const std::vector<std::string>& arguments);

// Rounds per size when none are asked for: fewer for the slow large files.
int roundsFor(std::int64_t size);

std::string usage();

} // namespace bench
