#include "bench/BenchOptions.h"
#include "bench/Measurement.h"
#include "bench/Statistics.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

TEST(Statistics, MedianAndSpread)
{
    const auto check = [](std::vector<double> values, double median, double min, double max) {
        const bench::Summary summary = bench::summarize(std::move(values));
        EXPECT_EQ(median, summary.median);
        EXPECT_EQ(min, summary.min);
        EXPECT_EQ(max, summary.max);
    };
    check({3, 1, 2}, 2, 1, 3);
    check({4, 1, 3, 2}, 2.5, 1, 4);
    check({7}, 7, 7, 7);
    check({}, 0, 0, 0);
}

TEST(Measurement, RoundTripsThroughTheChildsOutput)
{
    const bench::Measurement measurement{{0.1, 1.0 / 3.0, 12.5}, 28672, 60000, 1234567};
    EXPECT_EQ(measurement, bench::parseMeasurement(bench::formatMeasurement(measurement)));
}

TEST(Measurement, GarbledOutputRaises)
{
    for (const std::string text : {"", "seconds 1\nrows 3\n", "seconds x\npeak-kib 1\nrows 1\n",
                                   "seconds 1\npeak-kib 1\nrows 1\nwarning: something\n"})
        EXPECT_THROW(bench::parseMeasurement(text), std::runtime_error) << text;
}

bench::BenchOptions parse(std::vector<std::string> arguments)
{
    return bench::parseOptions(arguments);
}

TEST(BenchOptions, DefaultsAndChoices)
{
    const bench::BenchOptions defaults = parse({});
    EXPECT_EQ((std::vector<std::int64_t>{406, 60000, 600000}), defaults.sizes);
    EXPECT_EQ(11u, defaults.cases.size());
    EXPECT_FALSE(defaults.rounds.has_value());
    EXPECT_EQ(5, bench::roundsFor(60000));
    EXPECT_EQ(3, bench::roundsFor(600000));

    const bench::BenchOptions chosen =
        parse({"--sizes", "200,2000", "--rounds", "1", "--only", "ours,bound-floor"});
    EXPECT_EQ((std::vector<std::int64_t>{200, 2000}), chosen.sizes);
    EXPECT_EQ(1, chosen.rounds.value_or(0));
    EXPECT_EQ((std::vector<bench::BenchCase>{bench::BenchCase::Ours, bench::BenchCase::BoundFloor}),
              chosen.cases);
}

TEST(BenchOptions, BadArgumentsRaise)
{
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {"--sizes"},
             {"--sizes", "12x"},
             {"--sizes", "0"},
             {"--sizes", "1,,2"},
             {"--rounds", "-1"},
             {"--only", "theirs"},
             {"--fast"},
             {"--measure", "ours", "--sizes", "1,2", "--directory", "/tmp"},
             {"--measure", "ours", "--sizes", "10"}})
        EXPECT_THROW(parse(arguments), std::invalid_argument) << arguments.front();
}

} // namespace
