#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace bench {

// What one row of the table measures.
enum class BenchCase
{
    Ours,
    OursNoWindow,
    TextFloor,
    BoundFloor,
    BoundFloorFullSync,
    // What opening the reloaded database costs, and the structural check's part of it.
    Open,
    QuickCheck,
    // The open of a database that also holds kPaddingBytes in an unrelated table: run only when
    // named, since the run first writes that much.
    OpenPadded,
    // On a database as a run of the program leaves it: its table holding the lines already, and
    // a copy of as many kept from the update before. Ours again (what keeping that copy costs),
    // a preview of the lines, and an undo of the update.
    OursKept,
    Preview,
    Undo,
    // The bound floor over a table that already holds the lines: what replacing a full table
    // costs without keeping anything, the floor of ours-kept.
    BoundFloorFull
};

inline constexpr std::array<BenchCase, 12> kAllCases = {BenchCase::Ours,
                                                        BenchCase::OursNoWindow,
                                                        BenchCase::TextFloor,
                                                        BenchCase::BoundFloor,
                                                        BenchCase::BoundFloorFullSync,
                                                        BenchCase::Open,
                                                        BenchCase::QuickCheck,
                                                        BenchCase::OpenPadded,
                                                        BenchCase::OursKept,
                                                        BenchCase::Preview,
                                                        BenchCase::Undo,
                                                        BenchCase::BoundFloorFull};

// Whether the case runs the program's own reload, preview or undo, which need the
// QApplication.
bool runsTheProgram(BenchCase benchCase);

// Every case but open-padded.
std::vector<BenchCase> defaultCases();

// The name the command line and the table use: ours, ours-no-window, text-floor, bound-floor,
// bound-floor-full-sync, open, quick-check, open-padded, ours-kept, preview, undo,
// bound-floor-full.
std::string_view nameOf(BenchCase benchCase);
std::optional<BenchCase> caseNamed(std::string_view name);

} // namespace bench
