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
    BoundFloor
};

inline constexpr std::array<BenchCase, 4> kAllCases = {BenchCase::Ours, BenchCase::OursNoWindow,
                                                       BenchCase::TextFloor, BenchCase::BoundFloor};

// The name the command line and the table use: ours, ours-no-window, text-floor, bound-floor.
std::string_view nameOf(BenchCase benchCase);
std::optional<BenchCase> caseNamed(std::string_view name);

} // namespace bench
