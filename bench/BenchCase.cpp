#include "bench/BenchCase.h"

namespace bench {

namespace {
constexpr std::array<std::string_view, 5> kNames = {"ours", "ours-no-window", "text-floor",
                                                    "bound-floor", "bound-floor-full-sync"};
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
