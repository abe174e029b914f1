#pragma once

#include "bench/BenchCase.h"
#include "bench/Measurement.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace bench {

struct CaseResult
{
    std::int64_t size = 0;
    BenchCase benchCase = BenchCase::Ours;
    Measurement measurement;
};

// One target and how this run fared: met is empty when the run did not measure what the
// target needs.
struct Verdict
{
    std::string target;
    std::string measured;
    std::optional<bool> met;
};

std::vector<Verdict> judgeTargets(const std::vector<CaseResult>& results);

// The times per size and case, the ratios per size, and the targets with PASS or MISS.
std::string formatReport(const std::vector<CaseResult>& results);

} // namespace bench
