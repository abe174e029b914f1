#include "bench/BenchRun.h"

#include "bench/ChildProcess.h"
#include "bench/DataSet.h"
#include "bench/Statistics.h"

#include <QTemporaryDir>

#include <filesystem>
#include <iostream>
#include <stdexcept>

namespace bench {
namespace {

void checkSameWork(std::int64_t size, const std::vector<CaseResult>& results)
{
    const CaseResult* first = nullptr;
    for (const CaseResult& result : results) {
        if (result.size != size)
            continue;
        if (result.measurement.rows != size)
            throw std::runtime_error(std::string(nameOf(result.benchCase)) + " left " +
                                     std::to_string(result.measurement.rows) + " rows of " +
                                     std::to_string(size));
        if (!first) {
            first = &result;
        } else if (result.measurement.characters != first->measurement.characters) {
            throw std::runtime_error(std::string(nameOf(result.benchCase)) + " stored " +
                                     std::to_string(result.measurement.characters) +
                                     " description characters, " +
                                     std::string(nameOf(first->benchCase)) + " " +
                                     std::to_string(first->measurement.characters));
        }
    }
}

} // namespace

std::vector<CaseResult> runBench(const BenchOptions& options)
{
    const QTemporaryDir work;
    if (!work.isValid())
        throw std::runtime_error("cannot make a temporary folder");

    std::vector<CaseResult> results;
    for (const std::int64_t size : options.sizes) {
        const std::filesystem::path directory =
            std::filesystem::path(work.path().toStdString()) / std::to_string(size);
        std::filesystem::create_directories(directory);
        writeDataSet(directory.string(), size);

        const int rounds = options.rounds.value_or(roundsFor(size));
        for (const BenchCase benchCase : options.cases) {
            std::cerr << "tandera-bench: " << size << " lines, " << nameOf(benchCase) << ", "
                      << rounds << " rounds ... " << std::flush;
            const std::string output = runSelf(
                {"--measure", std::string(nameOf(benchCase)), "--sizes", std::to_string(size),
                 "--rounds", std::to_string(rounds), "--directory", directory.string()});
            CaseResult result{size, benchCase, parseMeasurement(output)};
            std::cerr << summarize(result.measurement.seconds).median << " s\n";
            results.push_back(std::move(result));
        }
        checkSameWork(size, results);
        std::filesystem::remove_all(directory);
    }
    return results;
}

} // namespace bench
