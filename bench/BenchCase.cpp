#include "bench/BenchCase.h"

namespace bench {

namespace {
constexpr std::array<std::string_view, kAllCases.size()> kNames = {
    "ours", "ours-no-window",  "text-floor",  "bound-floor", "bound-floor-full-sync",
    "open", "quick-check",     "open-padded", "ours-kept",   "preview",
    "undo", "bound-floor-full"};
}

bool runsTheProgram(BenchCase benchCase)
{
    return benchCase == BenchCase::Ours || benchCase == BenchCase::OursNoWindow ||
           benchCase == BenchCase::OursKept || benchCase == BenchCase::Preview ||
           benchCase == BenchCase::Undo;
}

std::vector<BenchCase> defaultCases()
{
    std::vector<BenchCase> cases(kAllCases.begin(), kAllCases.end());
    std::erase(cases, BenchCase::OpenPadded);
    return cases;
}

std::string_view nameOf(BenchCase benchCase)
{
    return kNames[static_cast<std::size_t>(benchCase)];
}

std::optional<BenchCase> caseNamed(std::string_view name)
{
    for (const BenchCase benchCase : kAllCases)
        if (nameOf(benchCase) == name)
            return benchCase;
    return std::nullopt;
}

} // namespace bench
