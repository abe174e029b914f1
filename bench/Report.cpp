#include "bench/Report.h"

#include "bench/DataSet.h"
#include "bench/Statistics.h"
#include "bench/TextTable.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <set>

namespace bench {
namespace {

// The targets the reload is held to; their labels are written from these numbers.
constexpr double kMaxOursToTextFloor = 0.8;
constexpr double kMaxOursToBoundFloor = 1.25;
constexpr double kMaxWindowOverheadPercent = 5.0;
constexpr double kMaxRateChange = 0.20;
constexpr std::int64_t kMaxPeakGrowthKiB = 10 * 1024;
constexpr std::int64_t kMaxPeakKiB = 38 * 1024; // of ours at kLinearTo lines
constexpr std::int64_t kLinearFrom = 60000;
constexpr std::int64_t kLinearTo = 600000;
constexpr double kMaxPaddedOpenToOpen = 2.0;
// The reload over a table it keeps a copy of; a preview and an undo take no longer than it.
constexpr double kMaxKeptToBoundFloor = 1.35;
constexpr double kMaxToOursKept = 1.0;

std::string fixed(double value, int decimals)
{
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "%.*f", decimals, value);
    return text.data();
}

// A limit as a label shows it: 0.8, 1.25, 5.
std::string plain(double value)
{
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "%g", value);
    return text.data();
}

std::string grouped(std::int64_t value)
{
    std::string digits = std::to_string(value);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), ",");
    return digits;
}

std::string mib(std::int64_t kib)
{
    return fixed(static_cast<double>(kib) / 1024.0, 1);
}

const Measurement* find(const std::vector<CaseResult>& results, std::int64_t size,
                        BenchCase benchCase)
{
    for (const CaseResult& result : results)
        if (result.size == size && result.benchCase == benchCase)
            return &result.measurement;
    return nullptr;
}

double median(const Measurement& measurement)
{
    return summarize(measurement.seconds).median;
}

double rate(std::int64_t size, const Measurement& measurement)
{
    return static_cast<double>(size) / median(measurement);
}

std::optional<double> ratio(const std::vector<CaseResult>& results, std::int64_t size,
                            BenchCase over, BenchCase under)
{
    const Measurement* top = find(results, size, over);
    const Measurement* bottom = find(results, size, under);
    if (!top || !bottom)
        return std::nullopt;
    return median(*top) / median(*bottom);
}

std::string orDash(const std::optional<double>& value, int decimals)
{
    return value ? fixed(*value, decimals) : std::string("-");
}

std::optional<double> windowOverheadPercent(const std::vector<CaseResult>& results,
                                            std::int64_t size)
{
    const auto shown = ratio(results, size, BenchCase::Ours, BenchCase::OursNoWindow);
    if (!shown)
        return std::nullopt;
    return (*shown - 1.0) * 100.0;
}

// What one case adds to another at size: seconds and percent.
std::string addedCost(const std::vector<CaseResult>& results, std::int64_t size, BenchCase more,
                      BenchCase less)
{
    const Measurement* extra = find(results, size, more);
    const Measurement* base = find(results, size, less);
    if (!extra || !base)
        return "-";
    const double seconds = median(*extra) - median(*base);
    const double percent = (median(*extra) / median(*base) - 1.0) * 100.0;
    return (seconds >= 0 ? "+" : "") + fixed(seconds * 1000.0, 1) + " ms (" +
           (percent >= 0 ? "+" : "") + fixed(percent, 1) + "%)";
}

// What keeping a copy adds to a reload over a full table: ours-kept beyond ours, less what the
// full table adds to the floor; seconds and percent of ours.
std::string keptCopyCost(const std::vector<CaseResult>& results, std::int64_t size)
{
    const Measurement* kept = find(results, size, BenchCase::OursKept);
    const Measurement* ours = find(results, size, BenchCase::Ours);
    const Measurement* full = find(results, size, BenchCase::BoundFloorFull);
    const Measurement* floor = find(results, size, BenchCase::BoundFloor);
    if (!kept || !ours || !full || !floor)
        return "-";
    const double seconds = (median(*kept) - median(*ours)) - (median(*full) - median(*floor));
    return (seconds >= 0 ? "+" : "") + fixed(seconds * 1000.0, 1) + " ms (" +
           (seconds >= 0 ? "+" : "") + fixed(seconds / median(*ours) * 100.0, 1) + "%)";
}

std::set<std::int64_t> sizesOf(const std::vector<CaseResult>& results)
{
    std::set<std::int64_t> sizes;
    for (const CaseResult& result : results)
        sizes.insert(result.size);
    return sizes;
}

Verdict limitVerdict(std::string target, const std::optional<double>& value, double limit,
                     int decimals, const std::string& unit = {})
{
    if (!value)
        return {std::move(target), "not measured", std::nullopt};
    return {std::move(target), fixed(*value, decimals) + unit, *value <= limit};
}

} // namespace

std::vector<Verdict> judgeTargets(const std::vector<CaseResult>& results)
{
    const auto at = [](std::int64_t size) {
        return " at " + grouped(size) + " lines";
    };
    std::vector<Verdict> verdicts;
    for (const std::int64_t size : {kLinearFrom, kLinearTo})
        verdicts.push_back(limitVerdict(
            "ours / text floor <= " + plain(kMaxOursToTextFloor) + at(size),
            ratio(results, size, BenchCase::Ours, BenchCase::TextFloor), kMaxOursToTextFloor, 2));
    // At a few hundred lines the window's one paint on showing weighs more than the lines.
    for (const std::int64_t size : {kLinearFrom, kLinearTo})
        verdicts.push_back(limitVerdict(
            "ours / bound floor <= " + plain(kMaxOursToBoundFloor) + at(size),
            ratio(results, size, BenchCase::Ours, BenchCase::BoundFloor), kMaxOursToBoundFloor, 2));
    for (const std::int64_t size : sizesOf(results))
        verdicts.push_back(limitVerdict(
            "visible window adds <= " + plain(kMaxWindowOverheadPercent) + "%" + at(size),
            windowOverheadPercent(results, size), kMaxWindowOverheadPercent, 1, "%"));
    // Both over a table already holding the lines, so that the ratio is what keeping costs.
    for (const std::int64_t size : {kLinearFrom, kLinearTo})
        verdicts.push_back(limitVerdict(
            "ours-kept / bound-floor-full <= " + plain(kMaxKeptToBoundFloor) + at(size),
            ratio(results, size, BenchCase::OursKept, BenchCase::BoundFloorFull),
            kMaxKeptToBoundFloor, 2));
    for (const BenchCase benchCase : {BenchCase::Preview, BenchCase::Undo})
        verdicts.push_back(limitVerdict(
            std::string(nameOf(benchCase)) + " / ours-kept <= " + plain(kMaxToOursKept) +
                at(kLinearTo),
            ratio(results, kLinearTo, benchCase, BenchCase::OursKept), kMaxToOursKept, 2));

    for (const std::int64_t size : sizesOf(results)) {
        if (find(results, size, BenchCase::OpenPadded))
            verdicts.push_back(
                limitVerdict("open-padded / open <= " + plain(kMaxPaddedOpenToOpen) + at(size),
                             ratio(results, size, BenchCase::OpenPadded, BenchCase::Open),
                             kMaxPaddedOpenToOpen, 2));
    }

    const Measurement* from = find(results, kLinearFrom, BenchCase::Ours);
    const Measurement* to = find(results, kLinearTo, BenchCase::Ours);
    const std::string range = grouped(kLinearTo) + " within ";
    Verdict linear{"ours: rows/s at " + range + plain(kMaxRateChange * 100.0) + "% of rows/s at " +
                       grouped(kLinearFrom),
                   "not measured", std::nullopt};
    Verdict streaming{"ours: peak RSS at " + range + plain(kMaxPeakGrowthKiB / 1024.0) +
                          " MiB of peak RSS at " + grouped(kLinearFrom),
                      "not measured", std::nullopt};
    Verdict peak{"ours: peak RSS <= " + plain(kMaxPeakKiB / 1024.0) + " MiB" + at(kLinearTo),
                 "not measured", std::nullopt};
    if (from && to) {
        const double change = rate(kLinearTo, *to) / rate(kLinearFrom, *from) - 1.0;
        linear.measured = (change >= 0 ? "+" : "") + fixed(change * 100.0, 1) + "%";
        linear.met = std::abs(change) <= kMaxRateChange;
        const std::int64_t growth = to->peakKiB - from->peakKiB;
        streaming.measured = (growth >= 0 ? "+" : "") + mib(growth) + " MiB";
        streaming.met = growth <= kMaxPeakGrowthKiB;
    }
    if (to) {
        peak.measured = mib(to->peakKiB) + " MiB";
        peak.met = to->peakKiB <= kMaxPeakKiB;
    }
    verdicts.push_back(std::move(linear));
    verdicts.push_back(std::move(streaming));
    verdicts.push_back(std::move(peak));
    return verdicts;
}

std::string formatReport(const std::vector<CaseResult>& results)
{
    TextTable times(
        {"rows", "table", "case", "median s", "spread s (min-max)", "rows/s", "peak RSS MiB"});
    for (const CaseResult& result : results) {
        const Summary summary = summarize(result.measurement.seconds);
        times.addRow({grouped(result.size), std::string(tableFor(result.size).tableName),
                      std::string(nameOf(result.benchCase)), fixed(summary.median, 4),
                      fixed(summary.min, 4) + "-" + fixed(summary.max, 4),
                      grouped(std::llround(rate(result.size, result.measurement))),
                      mib(result.measurement.peakKiB)});
    }

    TextTable ratios({"rows", "ours / text floor", "ours / bound floor", "no window / text floor",
                      "window overhead", "folder sync", "quick check / reload",
                      "ours-kept / bound-floor-full", "kept copy"});
    for (const std::int64_t size : sizesOf(results)) {
        const auto overhead = windowOverheadPercent(results, size);
        ratios.addRow(
            {grouped(size), orDash(ratio(results, size, BenchCase::Ours, BenchCase::TextFloor), 2),
             orDash(ratio(results, size, BenchCase::Ours, BenchCase::BoundFloor), 2),
             orDash(ratio(results, size, BenchCase::OursNoWindow, BenchCase::TextFloor), 2),
             overhead ? fixed(*overhead, 1) + "%" : std::string("-"),
             addedCost(results, size, BenchCase::BoundFloor, BenchCase::BoundFloorFullSync),
             orDash(ratio(results, size, BenchCase::QuickCheck, BenchCase::Ours), 2),
             orDash(ratio(results, size, BenchCase::OursKept, BenchCase::BoundFloorFull), 2),
             keptCopyCost(results, size)});
    }

    TextTable targets({"target", "measured", "verdict"});
    for (const Verdict& verdict : judgeTargets(results))
        targets.addRow({verdict.target, verdict.measured,
                        !verdict.met   ? "n/a"
                        : *verdict.met ? "PASS"
                                       : "MISS"});

    return times.format() + "\n" + ratios.format() + "\n" + targets.format();
}

} // namespace bench
