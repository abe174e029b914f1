#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace bench {

// What one row of the table measures.
enum class BenchCase
{
    Ours,
    OursNoWindow,
    TextFloor,
    BoundFloor,
    BoundFloorFullSync
};

inline constexpr std::array<BenchCase, 5> kAllCases = {BenchCase::Ours, BenchCase::OursNoWindow,
                                                       BenchCase::TextFloor, BenchCase::BoundFloor,
                                                       BenchCase::BoundFloorFullSync};

// The name the command line and the table use: ours, ours-no-window, text-floor, bound-floor,
// bound-floor-full-sync.
std::string_view nameOf(BenchCase benchCase);
std::optional<BenchCase> caseNamed(std::string_view name);

} // namespace bench
