#include "bench/Report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using bench::BenchCase;

bench::CaseResult result(std::int64_t size, BenchCase benchCase, double seconds,
                         std::int64_t peakKiB = 30000)
{
    return {size, benchCase, bench::Measurement{{seconds}, peakKiB, size, 0}};
}

std::string verdictOf(const std::vector<bench::Verdict>& verdicts, const std::string& target)
{
    for (const bench::Verdict& verdict : verdicts)
        if (verdict.target == target)
            return verdict.measured + (verdict.met ? (*verdict.met ? " PASS" : " MISS") : " n/a");
    return "no such target";
}

TEST(Report, TargetsAtTheirLimits)
{
    const std::vector<bench::CaseResult> results = {
        result(60000, BenchCase::Ours, 1.3, 38 * 1024 - 10 * 1024 - 103),
        result(60000, BenchCase::OursNoWindow, 1.25),
        result(60000, BenchCase::TextFloor, 1.625),
        result(60000, BenchCase::BoundFloor, 1.04),
        result(600000, BenchCase::Ours, 15.6, 38 * 1024),
        result(600000, BenchCase::OursNoWindow, 13.0),
        result(600000, BenchCase::TextFloor, 18.0),
        result(600000, BenchCase::BoundFloor, 12.0),
        result(600000, BenchCase::OursKept, 16.2),
        result(600000, BenchCase::BoundFloorFull, 12.0),
        result(600000, BenchCase::Preview, 16.2),
        result(600000, BenchCase::Undo, 16.3),
    };
    const auto verdicts = bench::judgeTargets(results);
    EXPECT_EQ("1.35 PASS",
              verdictOf(verdicts, "ours-kept / bound-floor-full <= 1.35 at 600,000 lines"));
    EXPECT_EQ("1.00 PASS", verdictOf(verdicts, "preview / ours-kept <= 1 at 600,000 lines"));
    EXPECT_EQ("1.01 MISS", verdictOf(verdicts, "undo / ours-kept <= 1 at 600,000 lines"));
    EXPECT_EQ("0.80 PASS", verdictOf(verdicts, "ours / text floor <= 0.8 at 60,000 lines"));
    EXPECT_EQ("0.87 MISS", verdictOf(verdicts, "ours / text floor <= 0.8 at 600,000 lines"));
    EXPECT_EQ("1.25 PASS", verdictOf(verdicts, "ours / bound floor <= 1.25 at 60,000 lines"));
    EXPECT_EQ("1.30 MISS", verdictOf(verdicts, "ours / bound floor <= 1.25 at 600,000 lines"));
    EXPECT_EQ("4.0% PASS", verdictOf(verdicts, "visible window adds <= 5% at 60,000 lines"));
    EXPECT_EQ("20.0% MISS", verdictOf(verdicts, "visible window adds <= 5% at 600,000 lines"));
    EXPECT_EQ("-16.7% PASS",
              verdictOf(verdicts, "ours: rows/s at 600,000 within 20% of rows/s at 60,000"));
    EXPECT_EQ("+10.1 MiB MISS",
              verdictOf(verdicts, "ours: peak RSS at 600,000 within 10 MiB of peak RSS at 60,000"));
    EXPECT_EQ("38.0 MiB PASS", verdictOf(verdicts, "ours: peak RSS <= 38 MiB at 600,000 lines"));
}

TEST(Report, TargetsNotMeasuredSayNotApplicable)
{
    const std::vector<bench::CaseResult> results = {result(200, BenchCase::Ours, 0.1),
                                                    result(200, BenchCase::TextFloor, 0.1)};
    const auto verdicts = bench::judgeTargets(results);
    EXPECT_EQ("not measured n/a", verdictOf(verdicts, "ours / text floor <= 0.8 at 60,000 lines"));
    EXPECT_EQ("not measured n/a",
              verdictOf(verdicts, "ours / bound floor <= 1.25 at 600,000 lines"));
    EXPECT_EQ("not measured n/a",
              verdictOf(verdicts, "ours: rows/s at 600,000 within 20% of rows/s at 60,000"));
    const std::string report = bench::formatReport(results);
    EXPECT_NE(std::string::npos, report.find("|  200 | Tblkemasan | ours       |   0.1000 |"))
        << report;
}

// The cost of syncing the folder after each commit: the bound floor at the engine's sync level
// against the same at the level below.
TEST(Report, FolderSyncCostIsTheBoundFloorsDifference)
{
    const std::vector<bench::CaseResult> results = {
        result(406, BenchCase::BoundFloor, 0.0060),
        result(406, BenchCase::BoundFloorFullSync, 0.0048),
        result(60000, BenchCase::BoundFloor, 0.4),
    };
    const std::string report = bench::formatReport(results);
    EXPECT_NE(std::string::npos, report.find("| +1.2 ms (+25.0%) |")) << report;
    // Without the full-sync case at a size there is nothing to compare.
    EXPECT_NE(std::string::npos,
              report.find("|               - |                - |                    - |"))
        << report;
}

} // namespace
